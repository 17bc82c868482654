// The interface-preferences component: preferences, the notification list and its broadcasts.
#include "controls/QNTKITUICtrl.h"

#include <QCoreApplication>

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

}  // namespace qnt
