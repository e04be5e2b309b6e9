#pragma once

#include <array>
#include <string>

#include <QDialog>

#include "editing/EditorCommands.h"
#include "editing/EditorValidation.h"
#include "panelwick/Mt/Worker.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "render/PreparedObject.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabBar;
class QToolBar;
class ColorButton;
class PreviewCtrl;

// The editor of one visual movie object (Image, Text, Rectangle, vector-drawing page, Video):
// its times and its Begin and End states, its acceleration and the fields of its type, with a
// live preview. It edits a private copy; the caller takes object() after OK.
//
// The object's picture is prepared on a worker thread while every control is disabled; the
// worker reports back with the notice kPreparedNotice and the editor shows its error, if any.
class EditDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPreparedNotice = 0x8001;
    enum Slider { kSizeX, kSizeY, kRotX, kRotY, kRotZ };
    enum ByteSlider { kTransparency, kContrast, kBrightness, kSaturation };
    enum Box { kX, kY, kSizeXBox, kSizeYBox, kRotXBox, kRotYBox, kRotZBox };

    EditDlg(const MovieObject& object, std::string projectFolder, uint32_t movieBackColor,
            QWidget* parent = nullptr);
    ~EditDlg() override;

    const MovieObject& object() const { return object_; }
    bool busy() const { return busy_; }
    int shownTab() const { return tab_; }

    // What the file button, the font chooser and the colour buttons do once the user chose.
    void ChooseFile(const std::string& name);
    void ChooseFont(const std::string& face, int size, uint32_t style);
    void ChooseColor(bool front, uint32_t color);
    void ShowTab(int tab);
    void RunCommand(EditorCommand command);
    void Reset();
    // Waits until the picture being prepared is ready and handled (for tests).
    void WaitUntilPrepared();

    void accept() override;
    void reject() override;

    // The controls, for tests and screenshots.
    QLineEdit* box(Box b) const { return boxes_[b]; }
    QSlider* slider(Slider s) const { return sliders_[s]; }
    QSlider* byteSlider(ByteSlider s) const { return bytes_[s]; }
    QLineEdit* minutesBox() const { return minutes_; }
    QLineEdit* secondsBox() const { return seconds_; }
    QLineEdit* accelerationBox(bool y) const { return y ? accelY_ : accelX_; }
    QLineEdit* textBox() const { return text_; }
    QLineEdit* depthBox() const { return depth_; }
    QLineEdit* widthBox() const { return width_; }
    QLineEdit* heightBox() const { return height_; }
    QLineEdit* pageBox() const { return page_; }
    QLineEdit* skipMinutesBox() const { return skipMinutes_; }
    QLineEdit* skipSecondsBox() const { return skipSeconds_; }
    QPushButton* fileButton() const { return file_; }
    ColorButton* colorButton(bool front) const { return front ? front_ : back_; }
    PreviewCtrl* preview() const { return preview_; }
    const PreparedObject& prepared() const { return prepared_; }

protected:
    bool event(QEvent* event) override;

private:
    // Building (EditDlgLayout.cpp).
    void Build();
    QWidget* BuildStatePanel();
    QWidget* BuildObjectPanel();
    QToolBar* BuildToolBar();
    void ShowTypeFields();
    void Connect();

    // Controls and the object.
    StateControls ReadState() const;
    void ShowState();
    EditorInput ReadInput() const;
    EditorRefusal Validate(bool silent);
    void ShowRefusal(const EditorRefusal& refusal);
    void BeginTimeEdited();
    void SliderMoved(Slider slider, int position);
    void PreviewMoved();
    void Browse();
    void RefreshPreview();
    void Reload();
    // Draws a text or rectangle picture here and now.
    void Redraw();
    void Prepared();
    void SetBusy(bool busy);

    MovieObject object_;
    std::string folder_;
    uint32_t background_;
    int tab_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    PreparedObject prepared_;
    MovieObject preparedFrom_;  // the fields prepared_ was last made from
    PreparedObject preparing_;  // the worker's, handed over with its notice
    Mt::Worker worker_;

    QTabBar* tabs_;
    QLineEdit *minutes_, *seconds_;
    std::array<QLineEdit*, 7> boxes_;
    std::array<QSlider*, 5> sliders_;
    std::array<QSlider*, 4> bytes_;
    QPushButton* reset_;
    QLineEdit *accelX_, *accelY_;
    QPushButton* file_;
    QLineEdit* text_;
    ColorButton *front_, *back_;
    QLineEdit *depth_, *width_, *height_, *page_, *skipMinutes_, *skipSeconds_;
    QToolBar* toolbar_;
    PreviewCtrl* preview_;
    QPushButton *ok_, *cancel_;
    std::vector<QWidget*> typeRows_[6];  // the rows shown for each type
};
