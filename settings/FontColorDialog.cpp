#include "FontColorDialog.h"

#include "core/Canvas.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double kMinSize = 1;
constexpr double kMaxSize = 1000;

VbColor toVbColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

FontColorDialog::FontColorDialog(QWidget* parent)
    : QDialog(parent),
      face_(new QFontComboBox),
      size_(new QDoubleSpinBox),
      bold_(new QCheckBox(tr("&Bold"))),
      italic_(new QCheckBox(tr("&Italic"))),
      underline_(new QCheckBox(tr("&Underline"))),
      strikeout_(new QCheckBox(tr("Stri&keout"))),
      colorButton_(new QPushButton(tr("&Color..."))),
      sample_(new QLineEdit(QStringLiteral("AaBbYyZz"))) {
    setWindowTitle(tr("Font"));
    face_->setObjectName(QStringLiteral("face"));
    size_->setObjectName(QStringLiteral("size"));
    bold_->setObjectName(QStringLiteral("bold"));
    italic_->setObjectName(QStringLiteral("italic"));
    underline_->setObjectName(QStringLiteral("underline"));
    strikeout_->setObjectName(QStringLiteral("strikeout"));
    colorButton_->setObjectName(QStringLiteral("color"));
    sample_->setObjectName(QStringLiteral("sample"));

    face_->setEditable(false);
    size_->setRange(kMinSize, kMaxSize);
    size_->setDecimals(2);
    sample_->setReadOnly(true);
    // The sample takes the room the other rows leave it, whatever its font:
    // a huge size must not push the buttons off the screen.
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sample_->setMinimumHeight(60);

    auto* form = new QFormLayout;
    form->addRow(tr("&Font:"), face_);
    form->addRow(tr("&Size:"), size_);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {bold_, italic_, underline_, strikeout_}) styles->addWidget(box);
    form->addRow(tr("Style:"), styles);
    form->addRow(tr("Color:"), colorButton_);
    form->addRow(tr("Sample:"), sample_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(colorButton_, &QPushButton::clicked, this, &FontColorDialog::pickColor);
    connect(face_, &QFontComboBox::currentFontChanged, this, &FontColorDialog::updateSample);
    connect(size_, &QDoubleSpinBox::valueChanged, this, &FontColorDialog::updateSample);
    for (QCheckBox* box : {bold_, italic_, underline_, strikeout_})
        connect(box, &QCheckBox::toggled, this, &FontColorDialog::updateSample);
    setColor(color_);
}

void FontColorDialog::load(const CommonDialog& d) {
    QFont f(d.FontName);
    face_->setCurrentFont(f);
    loadedName_ = d.FontName;
    loadedFamily_ = face_->currentFont().family();
    if (d.FontSize > 0) size_->setValue(d.FontSize);
    bold_->setChecked(d.FontBold);
    italic_->setChecked(d.FontItalic);
    underline_->setChecked(d.FontUnderline);
    strikeout_->setChecked(d.FontStrikethru);
    setColor(Canvas::toQColor(d.Color));
}

void FontColorDialog::store(CommonDialog& d) const {
    const QString family = face_->currentFont().family();
    d.FontName = family == loadedFamily_ && !loadedName_.isEmpty() ? loadedName_ : family;
    d.FontSize = float(size_->value());
    d.FontBold = bold_->isChecked();
    d.FontItalic = italic_->isChecked();
    d.FontUnderline = underline_->isChecked();
    d.FontStrikethru = strikeout_->isChecked();
    d.Color = toVbColor(color_);
}

void FontColorDialog::setColor(const QColor& color) {
    color_ = color;
    QPixmap swatch(24, 16);
    swatch.fill(color_);
    colorButton_->setIcon(QIcon(swatch));
    updateSample();
}

void FontColorDialog::pickColor() {
    const QColor c = QColorDialog::getColor(color_, this, tr("Color"));
    if (c.isValid()) setColor(c);
}

void FontColorDialog::updateSample() {
    QFont f = face_->currentFont();
    f.setPointSizeF(size_->value());
    f.setBold(bold_->isChecked());
    f.setItalic(italic_->isChecked());
    f.setUnderline(underline_->isChecked());
    f.setStrikeOut(strikeout_->isChecked());
    sample_->setFont(f);
    QPalette pal = sample_->palette();
    pal.setColor(QPalette::Text, color_);
    sample_->setPalette(pal);
}
