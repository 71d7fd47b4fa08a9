#pragma once
// Shows a model's exclusive choice on its radio buttons. The model may hold no choice at
// all, so the group is opened while the buttons are set; the buttons' own signals are held
// back, the model being the source.
#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace omvera {

// buttons[i] shows checked[i], i = first..last.
template <typename Buttons, typename Checked>
void SyncRadioButtons(QButtonGroup& group, const Buttons& buttons, const Checked& checked,
                      int first, int last) {
    bool same = true;
    for (int i = first; i <= last; ++i)
        same = same && buttons[i]->isChecked() == static_cast<bool>(checked[i]);
    if (same) return;
    group.setExclusive(false);
    for (int i = first; i <= last; ++i) {
        const QSignalBlocker block(buttons[i]);
        buttons[i]->setChecked(checked[i]);
    }
    group.setExclusive(true);
}

} // namespace omvera
