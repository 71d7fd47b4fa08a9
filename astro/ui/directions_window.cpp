#include "astro/ui/directions_window.h"

#include "app/directions_commands.h"
#include "app/state.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "app/ui/radio_group.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace omvera {

TDat2::TDat2(Application& app) : FormWindow(app, "TDat2") {
    DateEdit1 = new QLineEdit(this);
    DateEdit1->setObjectName("DateEdit1");
    DateEdit1->setGeometry(16, 16, 110, 24);
    connect(DateEdit1, &QLineEdit::textEdited, this,
            [this](const QString& text) { state().Dat2.DateEdit1 = text.toStdString(); });

    CalendarButton = new QToolButton(this);
    CalendarButton->setObjectName("CalendarButton");
    CalendarButton->setText(QStringLiteral("…"));
    CalendarButton->setGeometry(128, 16, 24, 24);
    connect(CalendarButton, &QToolButton::clicked, this, [this] { ShowCalendar(); });

    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName("Calendar");
    Calendar->setWindowFlags(Qt::Popup);
    Calendar->hide();
    connect(Calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
        state().Dat2.DateEdit1 = FormatDirectionDate({date.day(), date.month(), date.year()});
        Calendar->hide();
        SyncFromModel();
    });

    Button1 = new QPushButton(QStringLiteral("Расчет"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(170, 16, 100, 26);
    connect(Button1, &QPushButton::clicked, this, [this] { Command([this] { Button1Click(); }); });

    group_ = new QButtonGroup(this);
    constexpr std::array<const char*, 3> kCaptions = {"", "6 мажорных аспектов",
                                                      "16 основных аспектов"};
    for (int i = 1; i <= 2; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i));
        b->setGeometry(16, 60 + (i - 1) * 28, 200, 22);
        group_->addButton(b, i);
        RadioButton[i] = b;
        connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on) return;
            state().Dat2.RadioButton1 = i == 1;
            state().Dat2.RadioButton2 = i == 2;
        });
    }
    SyncFromModel();
}

bool* TDat2::VisibleFlag() {
    return &state().Views.Dat2Visible;
}

bool TDat2::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return FormWindow::event(e);
}

void TDat2::FormActivate() {
    Dat2FormActivate(state(), CurrentLocalTime());
    SyncFromModel();
}

void TDat2::Button1Click() {
    app().Form1->Chart(&Dat2Button1Click);
}

void TDat2::ShowCalendar() {
    if (const QDate shown = QDate::fromString(DateEdit1->text(), "d.M.yyyy"); shown.isValid())
        Calendar->setSelectedDate(shown);
    Calendar->move(mapToGlobal(DateEdit1->geometry().bottomLeft()));
    Calendar->show();
}

void TDat2::SyncFromModel() {
    const DirectionsForm& m = state().Dat2;
    if (const QString text = QString::fromStdString(m.DateEdit1); DateEdit1->text() != text)
        DateEdit1->setText(text);
    const std::array<bool, 3> checked = {false, m.RadioButton1, m.RadioButton2};
    SyncRadioButtons(*group_, RadioButton, checked, 1, 2);
    SyncVisibility();
}

} // namespace omvera
