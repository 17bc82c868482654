// The interface-preferences component: preferences, the notification list and its broadcasts.
#include "controls/QNTKITUICtrl.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <tuple>

#include "controls/QNTKITEdits.h"
#include "controls/QNTKITErrorDisplay.h"
#include "controls/QNTKITPanels.h"
#include "kit/QNTKITDefaults.h"

namespace qnt {

TQNTUICtrl::TQNTUICtrl(QObject* owner)
    : QObject(owner),
      fStoreSection(DefaultIniSection),
      fColorSet(std::make_unique<TQNTCompleteColorSet>()),
      fNullStr(DefaultNullStr) {
  fColorSet->OnChange = [this](TQNTColorSet*) { ColorSetChanged(); };
  fColorSet->OnFlatChange = [this](TQNTColorSet*) { FlatChanged(); };
}

TQNTUICtrl::~TQNTUICtrl() {
  fColorSet->OnChange = nullptr;
  fColorSet->OnFlatChange = nullptr;
  fColorSet.reset();
  // The attached controls forget the component (without calling back) and show their own settings.
  const auto listed = fNotifyList;
  fNotifyList.clear();
  if (QCoreApplication::closingDown()) return;
  for (const QPointer<QObject>& entry : listed) {
    if (auto* edit = qobject_cast<TQNTCustomStartEdit*>(entry.data()))
      Guarded(edit, [&] { edit->UICtrlGone(this); });
    else if (auto* panel = qobject_cast<TQNTCustomBtnPanel*>(entry.data()))
      Guarded(panel, [&] {
        panel->UICtrlGone(this);
        panel->Redraw();
      });
  }
}

void TQNTUICtrl::SetColorSet(const TQNTColorSet& value) { fColorSet->Assign(value); }

void TQNTUICtrl::SetNullStr(const std::u16string& value) {
  if (value == fNullStr) return;
  fNullStr = value;
  DisplayControls();
}

QString TQNTUICtrl::Version() const { return QString::fromUtf16(kKitVersion); }

void TQNTUICtrl::Redisplay(bool& field, bool value) {
  if (field == value) return;
  field = value;
  DisplayControls();
}

void TQNTUICtrl::AddToNotifyList(QObject* value) {
  if (qobject_cast<TQNTCustomStartEdit*>(value) || qobject_cast<TQNTCustomPanel*>(value))
    fNotifyList.append(QPointer<QObject>(value));
}

void TQNTUICtrl::RemoveFromNotifyList(QObject* value) {
  for (qsizetype i = 0; i < fNotifyList.size(); ++i) {
    if (fNotifyList[i].data() == value) {
      fNotifyList.removeAt(i);
      return;
    }
  }
}

QList<QObject*> TQNTUICtrl::NotifyList() const {
  QList<QObject*> out;
  for (const auto& entry : fNotifyList) out.append(entry.data());
  return out;
}

template <class F>
void TQNTUICtrl::Broadcast(F&& f) {
  // Over the entries the list had when the walk began; a control that went away is skipped.
  const qsizetype count = fNotifyList.size();
  for (qsizetype i = 0; i < count && i < fNotifyList.size(); ++i) {
    QObject* target = fNotifyList[i].data();
    if (target) f(target);
  }
}

void TQNTUICtrl::UpdateControlColors() {
  Broadcast([](QObject* target) {
    if (auto* edit = qobject_cast<TQNTCustomStartEdit*>(target))
      Guarded(edit, [edit] { edit->UpdateColorSet(); });
  });
}

void TQNTUICtrl::RedrawControls() {
  Broadcast([](QObject* target) {
    if (auto* edit = qobject_cast<TQNTCustomStartEdit*>(target))
      Guarded(edit, [edit] { edit->Redraw(); });
    else if (auto* panel = qobject_cast<TQNTCustomBtnPanel*>(target))
      Guarded(panel, [panel] { panel->Redraw(); });
  });
}

void TQNTUICtrl::DisplayControls() {
  Broadcast([](QObject* target) {
    if (auto* edit = qobject_cast<TQNTCustomStartEdit*>(target)) Guarded(edit, [edit] { edit->Display(); });
  });
}

void TQNTUICtrl::ColorSetChanged() {
  if (OnColorSetChange) OnColorSetChange(this);
  UpdateControlColors();
}

void TQNTUICtrl::FlatChanged() { RedrawControls(); }

// =============================================================================================
// Stored preferences

namespace {

enum TStoredKind : std::uint8_t { skText, skBoolean, skInteger };

// Colours a store may hand back: explicit $00BBGGRR colours, system colours, clNone and clDefault.
bool IsStorableColor(int value) {
  const auto raw = static_cast<std::uint32_t>(value);
  return raw <= 0x00FFFFFFu || (raw & 0xFFFFFF00u) == 0xFF000000u || value == clNone || value == clDefault;
}

TFontStyles StylesFromStore(int value) {
  return TFontStyles::FromBits(static_cast<std::uint32_t>(std::clamp(value, 0, 15)));
}

}  // namespace

struct TQNTUICtrl::TStoredRow {
  TQNTUIUsageType Group;
  const char16_t* Ident;
  TStoredKind Kind;
  bool Saved;                 ///< false: read by LoadFromStore only
  const char16_t* LoadAfter;  ///< LoadFromStore reads it right after this ident (null: in table order)
  bool (*GetBoolean)(const TQNTUICtrl&);
  void (*SetBoolean)(TQNTUICtrl&, bool);
  int (*GetInteger)(const TQNTUICtrl&);
  void (*SetInteger)(TQNTUICtrl&, int);  ///< limits the value to its range (or ignores what is no value)
};

// Booleans of the first, second and fourth groups go straight into the fields; colour-set values go
// through the colour set's setters, which notify.
#define QNT_FIELD_BOOL(group, ident, field)                                              \
  TStoredRow {                                                                           \
    group, ident, skBoolean, true, nullptr, [](const TQNTUICtrl& u) { return u.field; }, \
        [](TQNTUICtrl& u, bool v) { u.field = v; }, nullptr, nullptr                     \
  }
#define QNT_SET_BOOL(ident, Prop)                                                                          \
  TStoredRow {                                                                                             \
    eutColorSet, ident, skBoolean, true, nullptr, [](const TQNTUICtrl& u) { return u.fColorSet->Prop(); }, \
        [](TQNTUICtrl& u, bool v) { u.fColorSet->Set##Prop(v); }, nullptr, nullptr                         \
  }
#define QNT_SET_INT(ident, Prop, Limit)                                            \
  TStoredRow {                                                                     \
    eutColorSet, ident, skInteger, true, nullptr, nullptr, nullptr,                \
        [](const TQNTUICtrl& u) { return static_cast<int>(u.fColorSet->Prop()); }, \
        [](TQNTUICtrl& u, int v) { Limit(u.fColorSet->Set##Prop, v); }             \
  }
#define QNT_SET_STYLE(ident, Prop)                                                        \
  TStoredRow {                                                                            \
    eutColorSet, ident, skInteger, true, nullptr, nullptr, nullptr,                       \
        [](const TQNTUICtrl& u) { return static_cast<int>(u.fColorSet->Prop().Bits()); }, \
        [](TQNTUICtrl& u, int v) { u.fColorSet->Set##Prop(StylesFromStore(v)); }          \
  }
#define QNT_COLOR(setter, v) \
  if (IsStorableColor(v)) setter(v)
#define QNT_SIZE(setter, v) setter(v)  // the setter limits sizes to 1..2
#define QNT_LABEL_STYLE(setter, v) setter(static_cast<TQNTLabelStyle>(std::clamp(v, 0, int(elsSunken))))
#define QNT_FRAME_STYLE(setter, v) setter(static_cast<TQNTGroupFrameStyle>(std::clamp(v, 0, int(egfsRound))))
#define QNT_WIDTH(setter, v) setter(std::max(v, 0))

const std::vector<TQNTUICtrl::TStoredRow>& TQNTUICtrl::StoredRows() {
  static const std::vector<TStoredRow> rows = [] {
    std::vector<TStoredRow> r = {
        // eutBlank_Null
        TStoredRow{eutBlank_Null, u"NullStr", skText, true, nullptr, nullptr, nullptr, nullptr, nullptr},
        QNT_FIELD_BOOL(eutBlank_Null, u"AllowKbdNull", fAllowKbdNull),
        QNT_FIELD_BOOL(eutBlank_Null, u"CurrUseTypesInBlanks", fUseTypesInBlanks),
        QNT_FIELD_BOOL(eutBlank_Null, u"BlankWhenNull", fBlankWhenNull),
        QNT_FIELD_BOOL(eutBlank_Null, u"BlankWhenZero", fBlankWhenZero),
        QNT_FIELD_BOOL(eutBlank_Null, u"BlankIsNull", fBlankIsNull),
        QNT_FIELD_BOOL(eutBlank_Null, u"DateBlankWhenNull", fDateBlankWhenNull),
        QNT_FIELD_BOOL(eutBlank_Null, u"DateBlankWhenZero", fDateBlankWhenZero),
        QNT_FIELD_BOOL(eutBlank_Null, u"DateBlankIsNull", fDateBlankIsNull),
        QNT_FIELD_BOOL(eutBlank_Null, u"CurrBlankWhenNull", fCurrBlankWhenNull),
        QNT_FIELD_BOOL(eutBlank_Null, u"CurrBlankWhenZero", fCurrBlankWhenZero),
        QNT_FIELD_BOOL(eutBlank_Null, u"CurrBlankIsNull", fCurrBlankIsNull),
        // eutNavigation
        QNT_FIELD_BOOL(eutNavigation, u"Enter As Tab", fEnterAsTab),
        QNT_FIELD_BOOL(eutNavigation, u"ESC As Undo", fESCAsUndo),
        QNT_FIELD_BOOL(eutNavigation, u"Arrows As Tab", fArrowsAsTab),
        QNT_FIELD_BOOL(eutNavigation, u"No Tab on RO", fNoTabStopOnReadOnly),
        // eutColorSet
        QNT_SET_BOOL(u"Flat", Flat),
        QNT_SET_BOOL(u"ShowFocus", ShowFocus),
        QNT_SET_BOOL(u"HotTracking", HotTracking),
        QNT_SET_INT(u"Border Size", BorderSize, QNT_SIZE),
        QNT_SET_INT(u"Border Color", BorderColor, QNT_COLOR),
        QNT_SET_INT(u"Border Focus Color", BorderFocusColor, QNT_COLOR),
        QNT_SET_INT(u"Border Hot Color", BorderHotColor, QNT_COLOR),
        QNT_SET_INT(u"Border Disabled Color", BorderDisabledColor, QNT_COLOR),
        QNT_SET_BOOL(u"FlatBtns", FlatBtns),
        QNT_SET_BOOL(u"LineEdit", LineEdit),
        QNT_SET_BOOL(u"NumDiff", NumDiff),
        QNT_SET_INT(u"Disabled Color", DisabledColor, QNT_COLOR),
        QNT_SET_INT(u"RW Color", RWColor, QNT_COLOR),
        QNT_SET_INT(u"RO Color", ROColor, QNT_COLOR),
        QNT_SET_INT(u"Focus Color", FocusColor, QNT_COLOR),
        QNT_SET_INT(u"Hot Color", HotColor, QNT_COLOR),
        QNT_SET_INT(u"RW Font Color", RWFontColor, QNT_COLOR),
        QNT_SET_INT(u"RO Font Color", ROFontColor, QNT_COLOR),
        QNT_SET_INT(u"Focus Font Color", FocusFontColor, QNT_COLOR),
        QNT_SET_INT(u"Hot Font Color", HotFontColor, QNT_COLOR),
        QNT_SET_STYLE(u"RW Font Style", RWFontStyle),
        QNT_SET_STYLE(u"RO Font Style", ROFontStyle),
        QNT_SET_STYLE(u"Focus Font Style", FocusFontStyle),
        QNT_SET_STYLE(u"Hot Font Style", HotFontStyle),
        QNT_SET_INT(u"List Color", ListColor, QNT_COLOR),
        QNT_SET_INT(u"List Font Color", ListFontColor, QNT_COLOR),
        QNT_SET_INT(u"List Highlight Color", ListHighlightColor, QNT_COLOR),
        QNT_SET_INT(u"List Highlight Font Color", ListHighlightFontColor, QNT_COLOR),
        QNT_SET_INT(u"Special RW Color", RWSpecialColor, QNT_COLOR),
        QNT_SET_INT(u"Special RO Color", ROSpecialColor, QNT_COLOR),
        QNT_SET_INT(u"Special Focus Color", FocusSpecialColor, QNT_COLOR),
        QNT_SET_INT(u"Special Hot Color", HotSpecialColor, QNT_COLOR),
        QNT_SET_INT(u"Special RW Font Color", RWSpecialFontColor, QNT_COLOR),
        QNT_SET_INT(u"Special RO Font Color", ROSpecialFontColor, QNT_COLOR),
        QNT_SET_INT(u"Special Focus Font Color", FocusSpecialFontColor, QNT_COLOR),
        QNT_SET_INT(u"Special Hot Font Color", HotSpecialFontColor, QNT_COLOR),
        QNT_SET_STYLE(u"Special RW Font Style", RWSpecialFontStyle),
        QNT_SET_STYLE(u"Special RO Font Style", ROSpecialFontStyle),
        QNT_SET_STYLE(u"Special Focus Font Style", FocusSpecialFontStyle),
        QNT_SET_STYLE(u"Special Hot Font Style", HotSpecialFontStyle),
        QNT_SET_BOOL(u"XP Theme for Combos", XPThemesCombos),
        QNT_SET_INT(u"Number Positive Font Color", NumPosFontColor, QNT_COLOR),
        QNT_SET_INT(u"Number Negative Font Color", NumNegFontColor, QNT_COLOR),
        QNT_SET_STYLE(u"Number Positive Font Style", NumPosFontStyle),
        QNT_SET_STYLE(u"Number Negative Font Style", NumNegFontStyle),
        QNT_SET_INT(u"Box Frame Size", BoxFrameSize, QNT_SIZE),
        QNT_SET_INT(u"Box Frame Color", BoxFrameColor, QNT_COLOR),
        QNT_SET_INT(u"Box Frame Focus Color", BoxFrameFocusColor, QNT_COLOR),
        QNT_SET_INT(u"Box Frame Hot Color", BoxFrameHotColor, QNT_COLOR),
        QNT_SET_INT(u"Box Frame Disabled Color", BoxFrameDisabledColor, QNT_COLOR),
        QNT_SET_INT(u"Box Null Color", BoxNullColor, QNT_COLOR),
        QNT_SET_INT(u"Item RW Color", ItemRWColor, QNT_COLOR),
        QNT_SET_INT(u"Item RO Color", ItemROColor, QNT_COLOR),
        QNT_SET_INT(u"Item Focus Color", ItemFocusColor, QNT_COLOR),
        QNT_SET_INT(u"Item Hot Color", ItemHotColor, QNT_COLOR),
        QNT_SET_INT(u"Item Disabled Color", ItemDisabledColor, QNT_COLOR),
        QNT_SET_INT(u"Mark RW Color", MarkRWColor, QNT_COLOR),
        QNT_SET_INT(u"Mark RO Color", MarkROColor, QNT_COLOR),
        QNT_SET_INT(u"Mark Focus Color", MarkFocusColor, QNT_COLOR),
        QNT_SET_INT(u"Mark Hot Color", MarkHotColor, QNT_COLOR),
        QNT_SET_INT(u"Mark Disabled Color", MarkDisabledColor, QNT_COLOR),
        QNT_SET_STYLE(u"Item RW Font Style", ItemRWFontStyle),
        QNT_SET_STYLE(u"Item RO Font Style", ItemROFontStyle),
        QNT_SET_STYLE(u"Item Focus Font Style", ItemFocusFontStyle),
        QNT_SET_STYLE(u"Item Hot Font Style", ItemHotFontStyle),
        QNT_SET_INT(u"Item Style", ItemStyle, QNT_LABEL_STYLE),
        QNT_SET_INT(u"Heading Color", HeadingColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Focus Color", HeadingFocusColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Hot Color", HeadingHotColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Disabled Color", HeadingDisabledColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Background Color", HeadingBkColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Focus Background Color", HeadingFocusBkColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Hot Background Color", HeadingHotBkColor, QNT_COLOR),
        QNT_SET_INT(u"Heading Disabled Background Color", HeadingDisabledBkColor, QNT_COLOR),
        QNT_SET_STYLE(u"Heading Font Style", HeadingFontStyle),
        QNT_SET_STYLE(u"Heading Focus Font Style", HeadingFocusFontStyle),
        QNT_SET_STYLE(u"Heading Hot Font Style", HeadingHotFontStyle),
        QNT_SET_INT(u"Heading Style", HeadingStyle, QNT_LABEL_STYLE),
        QNT_SET_INT(u"Frame Style", GroupFrameStyle, QNT_FRAME_STYLE),
        // Written as the full integer, so every width comes back as it was.
        QNT_SET_INT(u"Frame Width", GroupFrameWidth, QNT_WIDTH),
        // eutFormat
        QNT_FIELD_BOOL(eutFormat, u"NegAsBrackets", fNegAsBrackets),
    };
    // The load order: the type switch after the other blank options, the disabled colour after the
    // hot one, and the box null colour (read, never written) after the disabled box frame.
    for (TStoredRow& row : r) {
      const std::u16string_view ident = row.Ident;
      if (ident == u"CurrUseTypesInBlanks") row.LoadAfter = u"CurrBlankIsNull";
      if (ident == u"Disabled Color") row.LoadAfter = u"Hot Color";
      if (ident == u"Box Null Color") {
        row.LoadAfter = u"Box Frame Disabled Color";
        row.Saved = false;
      }
    }
    return r;
  }();
  return rows;
}

#undef QNT_FIELD_BOOL
#undef QNT_SET_BOOL
#undef QNT_SET_INT
#undef QNT_SET_STYLE
#undef QNT_COLOR
#undef QNT_SIZE
#undef QNT_LABEL_STYLE
#undef QNT_FRAME_STYLE
#undef QNT_WIDTH

const std::vector<const TQNTUICtrl::TStoredRow*>& TQNTUICtrl::LoadOrder() {
  static const std::vector<const TStoredRow*> order = [] {
    std::vector<const TStoredRow*> out;
    const auto& rows = StoredRows();
    for (const TStoredRow& row : rows) {
      if (row.LoadAfter) continue;
      out.push_back(&row);
      for (const TStoredRow& later : rows)
        if (later.LoadAfter && std::u16string_view(later.LoadAfter) == row.Ident) out.push_back(&later);
    }
    return out;
  }();
  return order;
}

QStringList TQNTUICtrl::StoredIdents(TQNTUIUsageTypes groups) {
  QStringList out;
  for (const TStoredRow& row : StoredRows())
    if (row.Saved && groups.Contains(row.Group)) out << QString::fromUtf16(row.Ident);
  return out;
}

namespace {

// Points the store at a section for one load or save and puts its sections back afterwards, also
// when the store raised in between.
class TSectionScope {
 public:
  TSectionScope(TQNTStoreCtrl& store, const QString& section)
      : fStore(store), fIni(store.IniSection()), fReg(store.RegSection()) {
    store.SetIniSection(section);
    store.SetRegSection(section);
  }
  ~TSectionScope() {
    fStore.SetIniSection(fIni);
    fStore.SetRegSection(fReg);
  }
  TSectionScope(const TSectionScope&) = delete;
  TSectionScope& operator=(const TSectionScope&) = delete;

 private:
  TQNTStoreCtrl& fStore;
  QString fIni, fReg;
};

}  // namespace

void TQNTUICtrl::LoadFromStore() {
  TQNTStoreCtrl* store = fStoreCtrl.Get();
  // A store that keeps nothing reads empty text and False: loading from it would wipe the preferences.
  if (!store || store->RegIniType() == eriNeither) return;
  const TSectionScope section(*store, QString::fromStdU16String(fStoreSection));
  // The preferences an attached edit shows, to redisplay the edits when loading changed one.
  const auto shown = [this] {
    return std::make_tuple(fNullStr, fUseTypesInBlanks, fBlankWhenNull, fBlankWhenZero, fDateBlankWhenNull,
                           fDateBlankWhenZero, fCurrBlankWhenNull, fCurrBlankWhenZero, fNegAsBrackets);
  };
  const auto before = shown();
  const auto finish = [&] {
    // The colour set passes on one change and one flat change: the controls recolour and redraw.
    fColorSet->EndUpdate();
    if (shown() != before) DisplayControls();
  };
  store->OpenStorage();
  try {
    for (const TStoredRow* row : LoadOrder()) {
      if (!fStoreOptions.Contains(row->Group)) continue;
      const QString ident = QString::fromUtf16(row->Ident);
      switch (row->Kind) {
        case skText:
          fNullStr = store->ReadString(ident, QString::fromStdU16String(fNullStr)).toStdU16String();
          break;
        case skBoolean: row->SetBoolean(*this, store->ReadBoolean(ident, row->GetBoolean(*this))); break;
        case skInteger: row->SetInteger(*this, store->ReadInteger(ident, row->GetInteger(*this))); break;
      }
    }
  } catch (...) {
    try {
      store->CloseStorage();
    } catch (...) {
    }
    finish();
    throw;
  }
  struct Finish {
    const std::function<void()> run;
    ~Finish() { run(); }
  } finishAfterClose{finish};
  store->CloseStorage();
}

void TQNTUICtrl::SaveToStore() {
  TQNTStoreCtrl* store = fStoreCtrl.Get();
  if (!store) return;
  const TSectionScope section(*store, QString::fromStdU16String(fStoreSection));
  store->WithStorage([&] {
    for (const TStoredRow& row : StoredRows()) {
      if (!row.Saved || !fStoreOptions.Contains(row.Group)) continue;
      const QString ident = QString::fromUtf16(row.Ident);
      switch (row.Kind) {
        case skText: store->WriteString(ident, QString::fromStdU16String(fNullStr)); break;
        case skBoolean: store->WriteBoolean(ident, row.GetBoolean(*this)); break;
        case skInteger: store->WriteInteger(ident, row.GetInteger(*this)); break;
      }
    }
  });
}

}  // namespace qnt
