#include "aspects/ui/aspect_settings_window.h"

#include "app/aspect_table.h"
#include "app/state.h"

#include <QColorDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace omvera {

namespace {
constexpr int kRowHeight = 20;

QColor QColorOf(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
std::uint32_t ColourOf(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}
} // namespace

TAspUst::TAspUst(Application& app) : FormWindow(app, "TAspUst") {
    ChooseColour = [](const QColor& initial, QWidget* parent) {
        return QColorDialog::getColor(initial, parent);
    };
    Label1 = new QLabel(QStringLiteral("Аспекты"), this);
    Label1->setObjectName("Label1");
    Label1->move(16, 8);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    QFont bold = ListBox1->font();
    bold.setBold(true);
    ListBox1->setFont(bold);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setGeometry(16, 28, 110, kRowHeight * 10 + 4);
    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this](int row) { state().AspUst.ListBox1Index = row; });

    for (int k = 0; k < 10; ++k) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        e->setReadOnly(true);
        e->setFrame(false);
        e->setGeometry(130, 30 + kRowHeight * k, 17, kRowHeight - 2);
        e->setCursor(Qt::PointingHandCursor);
        e->installEventFilter(this);
        Swatches[k] = e;
    }

    Edit11 = new QLineEdit(this);
    Edit11->setObjectName("Edit11");
    Edit11->setGeometry(170, 28, 120, 22);
    connect(Edit11, &QLineEdit::textEdited, this,
            [this](const QString& t) { state().AspUst.Edit11 = t.toStdString(); });
    Button1 = new QPushButton(QStringLiteral("Добавить"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(170, 60, 120, 25);
    Button2 = new QPushButton(QStringLiteral("Удалить"), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(170, 95, 120, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Command([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Command([this] { Button2Click(); }); });

    Note = new QLabel(this);
    Note->setObjectName("Note");
    Note->setWordWrap(true);
    Note->setGeometry(16, 240, 290, 60);
    Note->setStyleSheet("color: #800000;");
    SyncFromModel();
}

bool* TAspUst::VisibleFlag() {
    return &state().AspUst.Visible;
}

bool TAspUst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        for (int k = 0; k < 10; ++k)
            if (watched == Swatches[k]) {
                Command([this, k] { SwatchChange(k); });
                return true;
            }
    return FormWindow::eventFilter(watched, event);
}

void TAspUst::SwatchChange(int k) {
    auto& swatch = state().AspUst.Swatch[k];
    const QColor chosen = ChooseColour(QColorOf(swatch), this);
    if (chosen.isValid()) swatch = ColourOf(chosen);
}

void TAspUst::Button1Click() {
    Note->setText(QString::fromUtf8(AspUstButton1Click(state())));
}

void TAspUst::Button2Click() {
    AspUstButton2Click(state());
    Note->clear();
}

void TAspUst::SyncFromModel() {
    const auto& m = state().AspUst;
    QStringList rows;
    for (const auto& r : m.ListBox1) rows << QString::fromUtf8(r);
    QStringList shown;
    for (int i = 0; i < ListBox1->count(); ++i) shown << ListBox1->item(i)->text();
    const QSignalBlocker block(ListBox1);
    if (rows != shown) {
        ListBox1->clear();
        for (const auto& r : rows) {
            auto* item = new QListWidgetItem(r, ListBox1);
            item->setSizeHint(QSize(0, kRowHeight));
        }
    }
    ListBox1->setCurrentRow(m.ListBox1Index);
    for (int k = 0; k < 10; ++k) {
        const QColor c = QColorOf(m.Swatch[k]);
        Swatches[k]->setStyleSheet(
            QStringLiteral("background-color: %1; border: 1px solid gray;").arg(c.name()));
    }
    if (Edit11->text().toStdString() != m.Edit11) Edit11->setText(QString::fromStdString(m.Edit11));
    SyncVisibility();
}

} // namespace omvera
