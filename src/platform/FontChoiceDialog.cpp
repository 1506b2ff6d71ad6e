#include "platform/FontChoiceDialog.h"

#include "core/platform/ColorFieldText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QIcon swatch(QRgb rgb) {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor::fromRgb(rgb));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

} // namespace

FontChoiceDialog::FontChoiceDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent), m_family(new QFontComboBox(this)), m_size(new QComboBox(this)),
      m_bold(new QCheckBox(QStringLiteral("Fett"), this)),
      m_italic(new QCheckBox(QStringLiteral("Kursiv"), this)),
      m_underline(new QCheckBox(QStringLiteral("Unterstrichen"), this)),
      m_strikeOut(new QCheckBox(QStringLiteral("Durchgestrichen"), this)),
      m_color(new QComboBox(this)), m_sample(new QLabel(QStringLiteral("AaBbYyZz"), this)) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Schriftart"));

    m_family->setCurrentFont(QFont(initial.family));
    m_family->setEditText(initial.family);
    m_size->setEditable(true);
    m_size->setValidator(new QIntValidator(1, 999, m_size));
    for (int points : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(points));
    m_size->setEditText(QString::number(initial.points));
    m_bold->setChecked(initial.bold);
    m_italic->setChecked(initial.italic);
    m_underline->setChecked(initial.underline);
    m_strikeOut->setChecked(initial.strikeOut);
    for (const NamedColor& named : FontDialogColors())
        m_color->addItem(swatch(named.rgb), QString::fromUtf8(named.german), named.rgb);
    const int colorIndex = m_color->findData(initial.color.rgb() & 0xFFFFFF);
    m_color->setCurrentIndex(colorIndex < 0 ? 0 : colorIndex);

    auto* styles = new QGroupBox(QStringLiteral("Schriftstil"), this);
    auto* stylesLayout = new QVBoxLayout(styles);
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikeOut})
        stylesLayout->addWidget(box);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Schriftart:"), m_family);
    form->addRow(QStringLiteral("Schriftgrad:"), m_size);
    form->addRow(QStringLiteral("Farbe:"), m_color);

    auto* sampleBox = new QGroupBox(QStringLiteral("Beispiel"), this);
    auto* sampleLayout = new QHBoxLayout(sampleBox);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(260, 60);
    sampleLayout->addWidget(m_sample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addWidget(styles);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sampleBox);
    layout->addWidget(buttons);

    connect(m_family, &QFontComboBox::currentFontChanged, this, &FontChoiceDialog::updateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontChoiceDialog::updateSample);
    connect(m_color, &QComboBox::currentIndexChanged, this, &FontChoiceDialog::updateSample);
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikeOut})
        connect(box, &QCheckBox::toggled, this, &FontChoiceDialog::updateSample);
    updateSample();
}

FontChoice FontChoiceDialog::choice() const {
    FontChoice result;
    result.family = m_family->currentFont().family();
    result.points = std::max(1, m_size->currentText().toInt());
    result.bold = m_bold->isChecked();
    result.italic = m_italic->isChecked();
    result.underline = m_underline->isChecked();
    result.strikeOut = m_strikeOut->isChecked();
    result.color = QColor::fromRgb(m_color->currentData().toUInt());
    return result;
}

void FontChoiceDialog::updateSample() {
    const FontChoice current = choice();
    QFont font(current.family);
    font.setPointSize(std::min(current.points, 48));
    font.setBold(current.bold);
    font.setItalic(current.italic);
    font.setUnderline(current.underline);
    font.setStrikeOut(current.strikeOut);
    m_sample->setFont(font);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, current.color);
    m_sample->setPalette(palette);
}
