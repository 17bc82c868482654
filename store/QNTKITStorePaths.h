// Where the settings store keeps its files: the folder placeholders ("%APPDIR%", "%APPDATADIR%",
// "%TEMPDIR%", ...) mapped to this platform's folders, "\" read as a path separator, the "%USER%"
// expansion, and the per-user file that stands in for the registry.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace qnt {

/// Test seam: when set, replaces the system look-up of the logon name (nullopt: cannot be read).
extern std::function<std::optional<QString>()> StoreUserNameHook;

/// The logon name of the current user; "qnt" when it cannot be read or is empty.
QString CurrentUserName();

/// Replaces every "%USER%" (any case) by the user name, searching on after each inserted name, so a
/// name that itself holds "%USER%" is inserted once and the expansion ends.
QString ExpandUserPlaceholder(const QString& text, const QString& userName);
/// The same with CurrentUserName().
QString ExpandUserPlaceholder(const QString& text);

/// The folder of the running program (no trailing separator).
QString ProgramFolder();

/// The folder a placeholder stands for ("%APPDIR%" ... "%SYSDIR%", compared without regard to case),
/// without a trailing separator; a folder this platform does not have is the program folder.
/// Nullopt for a text that is no placeholder.
std::optional<QString> PlaceholderFolder(const QString& placeholder);

/// The path expansion: a text beginning with a known placeholder gets the placeholder's folder in its
/// place; every "\" becomes "/"; then the user expansion (a "/" in the user name becomes "_").
/// A text that does not begin with "%" is kept (apart from the separators); a text that begins with "%"
/// and no known placeholder gives empty text, which the store treats as no storage at all.
QString ExpandPathPlaceholders(const QString& text);

/// An expanded INI path made absolute: a relative path is taken from the program folder.
QString ResolveIniPath(const QString& expandedPath);

/// The file that stands in for the registry key HKEY_CURRENT_USER + `regPath` ("%USER%" expanded):
/// <the user's configuration folder>/<regPath with "\" as separator>.ini, for example
/// ~/.config/Software/Kestrand.ini for "\Software\Kestrand". Empty, "." and ".." parts are dropped;
/// empty text when nothing is left.
QString RegistryIniPath(const QString& regPath);

}  // namespace qnt
