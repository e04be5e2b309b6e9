#pragma once

#include <QDialog>

#include "editing/PropertiesForm.h"
#include "project/MovieProperties.h"

class QCheckBox;
class QComboBox;
class ColorButton;

// "Movie Properties": the movie's size, movie quality, frames per second, JPG quality,
// background colour and volume normalisation. OK stays open while a list has no selection.
class PropertiesDlg : public QDialog {
    Q_OBJECT

public:
    explicit PropertiesDlg(const MovieProperties& properties, QWidget* parent = nullptr);

    // The properties chosen, after OK.
    const MovieProperties& properties() const { return properties_; }

    QComboBox* sizeList() const { return size_; }
    QComboBox* movieQualityList() const { return movieQuality_; }
    QComboBox* fpsList() const { return fps_; }
    QComboBox* jpgQualityList() const { return jpgQuality_; }
    ColorButton* backColorButton() const { return backColor_; }
    QCheckBox* normalizeVolumeBox() const { return normalizeVolume_; }

    void accept() override;

private:
    static QComboBox* List(const std::vector<PropertiesForm::Item>& items, int selected);

    MovieProperties properties_;
    QComboBox *size_, *movieQuality_, *fps_, *jpgQuality_;
    ColorButton* backColor_;
    QCheckBox* normalizeVolume_;
};
