#include "input/ui/local_time_dialog.h"

#include "base/errors.h"
#include "input/chart_form.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <map>

namespace omvera {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Two(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

std::string DateText(const CivilDateTime& t) {
    return Two(t.day) + "." + Two(t.month) + "." + std::to_string(t.year);
}

std::string ReadingText(const ClockReading& r) {
    const CivilDateTime g = CivilOf(r.universal);
    return DateText(g) + " " + Two(g.hour) + ":" + Two(g.minute) + " по Гринвичу — " +
           FormatOffset(r.offset) + (r.abbreviation.empty() ? "" : " (" + r.abbreviation + ")") +
           ", " + r.reason;
}

} // namespace

const Atlas& SharedAtlas(const std::string& aliasFile) {
    static std::map<std::string, Atlas> atlases;
    auto it = atlases.find(aliasFile);
    if (it == atlases.end()) it = atlases.emplace(aliasFile, Atlas::LoadSystem(aliasFile)).first;
    return it->second;
}

LocalTimeDialog::LocalTimeDialog(ChartForm& form, const std::string& aliasFile, QWidget* parent)
    : QDialog(parent), form_(form), aliasFile_(aliasFile) {
    setObjectName("LocalTimeDialog");
    setWindowTitle(QStringLiteral("Местное время"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);

    PlaceEdit = new QLineEdit(this);
    PlaceEdit->setObjectName("PlaceEdit");
    PlaceEdit->setPlaceholderText(QStringLiteral("часть названия: Москва, Moscow, Ленинград"));
    fields->addRow(QStringLiteral("Город"), PlaceEdit);
    PlaceList = new QListWidget(this);
    PlaceList->setObjectName("PlaceList");
    PlaceList->setMinimumSize(460, 120);
    fields->addRow(QString(), PlaceList);
    ZoneLabel = new QLabel(this);
    ZoneLabel->setObjectName("ZoneLabel");
    fields->addRow(QString(), ZoneLabel);

    DateEdit = new QLineEdit(this);
    DateEdit->setObjectName("DateEdit");
    DateEdit->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));
    fields->addRow(QStringLiteral("Местная дата"), DateEdit);
    OldStyleBox = new QCheckBox(QStringLiteral("по старому стилю (до 14 февраля 1918 г.)"), this);
    OldStyleBox->setObjectName("OldStyleBox");
    fields->addRow(QString(), OldStyleBox);
    OldStyleLabel = new QLabel(this);
    OldStyleLabel->setObjectName("OldStyleLabel");
    fields->addRow(QString(), OldStyleLabel);
    TimeEdit = new QLineEdit(this);
    TimeEdit->setObjectName("TimeEdit");
    TimeEdit->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    fields->addRow(QStringLiteral("Местное время"), TimeEdit);

    ResultLabel = new QLabel(this);
    ResultLabel->setObjectName("ResultLabel");
    ResultLabel->setWordWrap(true);
    layout->addWidget(ResultLabel);
    FirstReading = new QRadioButton(this);
    FirstReading->setObjectName("FirstReading");
    SecondReading = new QRadioButton(this);
    SecondReading->setObjectName("SecondReading");
    layout->addWidget(FirstReading);
    layout->addWidget(SecondReading);

    auto* manual = new QHBoxLayout;
    ManualBox = new QCheckBox(QStringLiteral("Смещение от Гринвича вручную"), this);
    ManualBox->setObjectName("ManualBox");
    OffsetEdit = new QLineEdit(this);
    OffsetEdit->setObjectName("OffsetEdit");
    OffsetEdit->setPlaceholderText(QStringLiteral("+3 или +2:30"));
    manual->addWidget(ManualBox);
    manual->addWidget(OffsetEdit);
    layout->addLayout(manual);

    auto* buttons = new QHBoxLayout;
    FillButton = new QPushButton(QStringLiteral("Заполнить форму"), this);
    FillButton->setObjectName("FillButton");
    FillButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton->setObjectName("CancelButton");
    buttons->addStretch();
    buttons->addWidget(FillButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(PlaceEdit, &QLineEdit::textEdited, this, [this] { Search(); });
    connect(PlaceList, &QListWidget::currentRowChanged, this, [this] { Recompute(); });
    connect(DateEdit, &QLineEdit::textEdited, this, [this] { Recompute(); });
    connect(TimeEdit, &QLineEdit::textEdited, this, [this] { Recompute(); });
    connect(OffsetEdit, &QLineEdit::textEdited, this, [this] { Recompute(); });
    connect(OldStyleBox, &QCheckBox::toggled, this, [this] { Recompute(); });
    connect(ManualBox, &QCheckBox::toggled, this, [this] { Recompute(); });
    connect(FirstReading, &QRadioButton::toggled, this, [this] { Recompute(); });
    connect(FillButton, &QPushButton::clicked, this, [this] { Fill(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    Recompute();
}

LocalTimeDialog::~LocalTimeDialog() = default;

void LocalTimeDialog::Search() {
    matches_.clear();
    {
        QSignalBlocker block(PlaceList);
        PlaceList->clear();
        try {
            matches_ = SharedAtlas(aliasFile_).Find(PlaceEdit->text().toStdString(), 50);
        } catch (const Error& e) {
            ResultLabel->setText(Q(e.what()));
        }
        for (const PlaceMatch& m : matches_) PlaceList->addItem(Q(DescribePlace(m)));
        if (!matches_.empty()) PlaceList->setCurrentRow(0);
    }
    Recompute();
}

void LocalTimeDialog::Recompute() {
    chosen_[0].reset();
    chosen_[1].reset();
    readings_ = 0;
    FirstReading->hide();
    SecondReading->hide();
    OffsetEdit->setEnabled(ManualBox->isChecked());
    const int row = PlaceList->currentRow();
    const Place* place =
        row >= 0 && row < static_cast<int>(matches_.size()) ? matches_[row].place : nullptr;
    ZoneLabel->setText(place ? Q("Широта " + FormNotation(place->latitude) + ", долгота " +
                                 FormNotation(place->longitude) + ", часовой пояс " + place->zone)
                             : QString());
    OldStyleLabel->clear();
    std::string problem;
    try {
        const auto typed =
            ParseDateTime(DateEdit->text().toStdString(), TimeEdit->text().toStdString());
        if (!place) throw Error("Выберите город из списка");
        if (!typed) throw Error("Дата — ДД.ММ.ГГГГ, время — ЧЧ:ММ");
        CivilDateTime local = *typed;
        if (OldStyleBox->isChecked()) {
            local = NewStyleOf(*typed);
            OldStyleLabel->setText(Q("Старый стиль " + DateText(*typed) + " = новый стиль " +
                                     DateText(local) + " (+" + std::to_string(OldStyleLag(*typed)) +
                                     " дн.)"));
        }
        if (ManualBox->isChecked()) {
            const auto off = ParseOffset(OffsetEdit->text().toStdString());
            if (!off) throw Error("Смещение — например +3 или -3:30");
            chosen_[0] = ToUniversalWithOffset(local, *off);
            readings_ = 1;
        } else {
            const TimeZoneHistory zone = TimeZoneHistory::Load(place->zone);
            const LocalTimeResult r =
                ToUniversal({&zone, place->longitude, place->countryCode}, local);
            readings_ = static_cast<int>(r.readings.size());
            for (int i = 0; i < readings_ && i < 2; ++i) chosen_[i] = r.readings[i];
            if (r.kind != LocalTimeCase::Unique) {
                ResultLabel->setText(
                    r.kind == LocalTimeCase::Ambiguous
                        ? QStringLiteral("Часы в эту ночь переводили назад: это время было "
                                         "дважды. Выберите:")
                        : QStringLiteral("Часы в эту ночь переводили вперёд: такого времени не "
                                         "было. Выберите, по каким часам оно записано:"));
                FirstReading->setText(Q(ReadingText(r.readings[0])));
                SecondReading->setText(Q(ReadingText(r.readings[1])));
                if (!FirstReading->isChecked() && !SecondReading->isChecked()) {
                    QSignalBlocker block(FirstReading);
                    FirstReading->setChecked(true);
                }
                FirstReading->show();
                SecondReading->show();
                FillButton->setEnabled(true);
                return;
            }
        }
        ResultLabel->setText(Q(ReadingText(*chosen_[0])));
        FillButton->setEnabled(true);
    } catch (const Error& e) {
        chosen_[0].reset();
        readings_ = 0;
        ResultLabel->setText(Q(e.what()));
        FillButton->setEnabled(false);
    }
}

void LocalTimeDialog::Fill() {
    const int row = PlaceList->currentRow();
    if (readings_ == 0 || row < 0 || row >= static_cast<int>(matches_.size())) return;
    const ClockReading& r =
        readings_ >= 2 && SecondReading->isChecked() ? *chosen_[1] : *chosen_[0];
    const Place& place = *matches_[row].place;
    try {
        WriteToForm(form_, r.universal, place.latitude, place.longitude);
    } catch (const Error& e) {
        ResultLabel->setText(Q(e.what()));
        return;
    }
    accept();
    emit Filled();
}

} // namespace omvera
