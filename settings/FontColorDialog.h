// The text font dialog: face, size, bold, italic, underline, strikeout and a
// colour button, with a sample line showing the choice as it will be stamped.
#pragma once

#include "files/Dialogs.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLineEdit;
class QPushButton;

class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColorDialog(QWidget* parent = nullptr);

    // Shows the font and colour the dialog object holds.
    void load(const CommonDialog& d);
    // Writes the choice back into the dialog object.
    void store(CommonDialog& d) const;

    QColor color() const { return color_; }
    void setColor(const QColor& color);

private:
    void pickColor();
    void updateSample();

    QFontComboBox* face_;
    QDoubleSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strikeout_;
    QPushButton* colorButton_;
    QLineEdit* sample_;
    QColor color_ = Qt::black;
    // The face the dialog was loaded with, and the installed family it shows
    // for it: a face that is only an alias ("Arial") keeps its own name as
    // long as the user leaves the family alone.
    QString loadedName_;
    QString loadedFamily_;
};
