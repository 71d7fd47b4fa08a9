#include "calendars/ui/calendar_window.h"

#include "app/calendar_commands.h"
#include "app/state.h"
#include "calendars/calendar.h"
#include "input/chart_form.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace omvera {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QRect r) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(name);
    l->setGeometry(r);
    return l;
}

QLineEdit* MakeDateEdit(QWidget* parent, const char* name, std::string& field, QRect r) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(r);
    QObject::connect(e, &QLineEdit::textEdited, parent,
                     [&field](const QString& t) { field = t.toStdString(); });
    return e;
}

QToolButton* MakeCalendarButton(QWidget* parent, const char* name, QRect r) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QStringLiteral("…"));
    b->setToolTip(QStringLiteral("Календарь"));
    b->setGeometry(r);
    return b;
}

void SetEditText(QLineEdit* e, const std::string& text) {
    const QString t = QString::fromUtf8(text);
    if (e->text() != t) e->setText(t);
}

} // namespace

TKalendar::TKalendar(Application& app) : FormWindow(app, "TKalendar") {
    KalendarForm& m = state().Kalendar;
    Label5 =
        MakeLabel(this, "Label5", "Дата 2 должна быть позже чем Дата1", QRect(16, 12, 390, 24));
    QFont bold = Label5->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    Label5->setFont(bold);
    QPalette red = Label5->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label5->setPalette(red);

    Label1 = MakeLabel(this, "Label1", "Дата 1", QRect(16, 56, 120, 20));
    Label2 = MakeLabel(this, "Label2", "Дата2", QRect(200, 56, 120, 20));
    DateEdit1 = MakeDateEdit(this, "DateEdit1", m.DateEdit1, QRect(16, 80, 120, 24));
    DateEdit2 = MakeDateEdit(this, "DateEdit2", m.DateEdit2, QRect(200, 80, 120, 24));
    DateEdit1Button = MakeCalendarButton(this, "DateEdit1Button", QRect(138, 80, 26, 24));
    DateEdit2Button = MakeCalendarButton(this, "DateEdit2Button", QRect(322, 80, 26, 24));
    connect(DateEdit1Button, &QToolButton::clicked, this,
            [this, &m] { PickDate(DateEdit1Button, m.DateEdit1); });
    connect(DateEdit2Button, &QToolButton::clicked, this,
            [this, &m] { PickDate(DateEdit2Button, m.DateEdit2); });

    Button3 = new QPushButton(QStringLiteral("Расчет "), this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(16, 130, 120, 27);
    connect(Button3, &QPushButton::clicked, this, [this] { Command([this] { Button3Click(); }); });
    SyncFromModel();
}

bool* TKalendar::VisibleFlag() {
    return &state().Views.KalendarVisible;
}

void TKalendar::SyncFromModel() {
    const KalendarForm& m = state().Kalendar;
    SetEditText(DateEdit1, m.DateEdit1);
    SetEditText(DateEdit2, m.DateEdit2);
    Label5->setVisible(m.Label5Visible);
    SyncVisibility();
}

void TKalendar::FormActivate() {
    omvera::FormActivate(state().Kalendar, CurrentLocalTime());
    SetEditText(DateEdit1, state().Kalendar.DateEdit1);
    SetEditText(DateEdit2, state().Kalendar.DateEdit2);
}

void TKalendar::Button3Click() {
    KalendarButton3Click(state());
}

void TKalendar::showEvent(QShowEvent* e) {
    // Each time the dialog is opened it starts from today and a week ahead.
    FormActivate();
    FormWindow::showEvent(e);
}

void TKalendar::PickDate(QToolButton* button, std::string& field) {
    auto* popup = new QCalendarWidget(this);
    popup->setObjectName("Calendar");
    popup->setWindowFlags(Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setMinimumDate(QDate(1880, 1, 1));
    popup->setMaximumDate(QDate(2050, 12, 31));
    if (const auto shown = ParseShortDate(field))
        popup->setSelectedDate(QDate(shown->year, shown->month, shown->day));
    connect(popup, &QCalendarWidget::clicked, this, [this, popup, &field](const QDate& d) {
        field = FormatShortDate({d.day(), d.month(), d.year()});
        SyncFromModel();
        popup->close();
    });
    popup->move(button->mapToGlobal(QPoint(0, button->height())));
    popup->show();
}

} // namespace omvera
