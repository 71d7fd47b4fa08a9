#include "input/ui/spin_edit.h"

#include "input/spin_field.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace omvera {

SpinEdit::SpinEdit(SpinField& field, QWidget* parent) : QWidget(parent), field_(field) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    edit_ = new QLineEdit(this);
    if (field.MaxLength > 0) edit_->setMaxLength(static_cast<int>(field.MaxLength));
    row->addWidget(edit_);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (auto* b : {up_, down_}) {
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        arrows->addWidget(b);
    }
    row->addLayout(arrows);
    connect(edit_, &QLineEdit::textEdited, this,
            [this](const QString& t) { field_.Type(t.toStdString()); });
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    SyncFromModel();
}

void SpinEdit::Step(int delta) {
    field_.SetValue(static_cast<long long>(field_.Value()) + delta);
    SyncFromModel();
}

void SpinEdit::SyncFromModel() {
    const QString t = QString::fromStdString(field_.Text);
    if (edit_->text() != t) edit_->setText(t);
}

} // namespace omvera
