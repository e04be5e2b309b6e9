#include <QCheckBox>
#include <QLineEdit>

#include "app/WhenShown.h"
#include "app/WindowFixture.h"
#include "app/audio/AudioDlg.h"
#include "app/audio/RecordAudioDlg.h"

class ReelworkAudioTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        Start();
        NewProject("Trip");
    }
    void cleanup() { Finish(); }

    void addAudioInsertsTheObjectOnlyOnOk() {
        const size_t before = doc().objects.size();
        WhenShown<AudioDlg>([](AudioDlg& dialog) { dialog.reject(); });
        window->RunCommand(CommandId::AddAudio);
        QCOMPARE(doc().objects.size(), before);

        WhenShown<AudioDlg>([](AudioDlg& dialog) {
            QVERIFY(dialog.ChooseFile("sample.wav"));
            dialog.endSecondsBox()->setText("2");
            dialog.accept();
        });
        window->RunCommand(CommandId::AddAudio);
        QCOMPARE(doc().objects.size(), before + 1);
        const MovieObject& added = doc().objects[size_t(doc().first())];
        QCOMPARE(added.type, MovieObjectType::Audio);
        QCOMPARE(added.fileName, std::u16string(u"sample.wav"));
        QVERIFY(added.end > added.begin);
    }

    void editingAnAudioObjectWritesItBackWithAnUndoPoint() {
        int row = -1;
        for (size_t i = 0; i < doc().objects.size(); ++i) {
            if (doc().objects[i].type == MovieObjectType::Audio) row = int(i);
        }
        QVERIFY(row >= 0);
        doc().Select(row, row);
        WhenShown<AudioDlg>([](AudioDlg& dialog) {
            dialog.fadeOutBox()->setText("-9000");
            dialog.accept();
        });
        emit window->view().editRequested();
        QCOMPARE(doc().objects[size_t(row)].endState.fadeRate, int16_t(-5000));
        window->RunCommand(CommandId::Undo);
        QCOMPARE(doc().objects[size_t(row)].endState.fadeRate, int16_t(-2000));
    }

    void recorderSettingsAreKeptBetweenOpenings() {
        WhenShown<RecordAudioDlg>([](RecordAudioDlg& dialog) {
            QVERIFY(!dialog.monauralBox()->isChecked());
            dialog.monauralBox()->setChecked(true);
            dialog.reject();
        });
        window->RunCommand(CommandId::RecordAudio);
        bool kept = false;
        WhenShown<RecordAudioDlg>([&kept](RecordAudioDlg& dialog) {
            kept = dialog.monauralBox()->isChecked();
            dialog.reject();
        });
        window->RunCommand(CommandId::RecordAudio);
        QVERIFY(kept);
    }
};

REELWORK_QTEST_MAIN(ReelworkAudioTest)
#include "ReelworkAudioTest.moc"
