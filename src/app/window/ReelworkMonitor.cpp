// The monitor beside the timeline: the splitter between them, the ruler and playhead line on
// the timeline, and what ties them to the window.
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/monitor/MonitorPanel.h"
#include "app/monitor/PlayheadLine.h"
#include "app/monitor/TimeRuler.h"
#include "app/timeline/DocumentView.h"
#include "app/window/Reelwork.h"

QWidget* Reelwork::BuildEditingPage() {
    monitor_ = new MonitorPanel(view_->document());
    ruler_ = new TimeRuler;
    ruler_->setFont(view_->font());
    line_ = new PlayheadLine(view_->viewport(), ruler_->scale());
    auto* timeline = new QWidget;
    auto* column = new QVBoxLayout(timeline);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ruler_);
    column->addWidget(view_, 1);
    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->setObjectName(QStringLiteral("monitorSplitter"));
    splitter_->addWidget(monitor_);
    splitter_->addWidget(timeline);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setChildrenCollapsible(false);
    // The user's layout is kept between runs.
    const std::vector<int>& split = settings_.monitorSplit;
    splitter_->setSizes(split.size() == 2 ? QList<int>{split[0], split[1]}
                                          : QList<int>{600, 400});  // three fifths for the monitor
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = splitter_->sizes();
        settings_.monitorSplit = {sizes.value(0), sizes.value(1)};
        (void)settings_.Save(UserSettings::DefaultPath());
    });

    connect(ruler_, &TimeRuler::scrubbed, monitor_, &MonitorPanel::SetTime);
    connect(monitor_, &MonitorPanel::playheadMoved, this, [this](uint32_t ms) {
        ruler_->SetPlayhead(ms);
        line_->SetPlayhead(ms);
        view_->SetPlayheadTime(ms);
        KeepPlayheadInView(ms);
    });
    connect(monitor_, &MonitorPanel::message, this,
            [this](const QString& text) { statusBar()->showMessage(text, 6000); });
    // The ruler and the playhead line follow the timeline's zoom and scroll.
    connect(view_, &DocumentView::scaleChanged, this, [this] {
        ruler_->scale() = view_->geometry().scale();
        ruler_->update();
        line_->update();
    });
    // The ruler's times line up with the rows' bars, which start at the viewport's edge.
    ruler_->SetOrigin(view_->frameWidth());
    return splitter_;
}

// A playhead that leaves the timeline's view (playing on, --at) scrolls it a quarter in.
void Reelwork::KeepPlayheadInView(uint32_t ms) {
    QScrollBar* across = view_->horizontalScrollBar();
    const int x = ruler_->scale().XOfTime(ms);
    const int width = view_->viewport()->width();
    if (x >= 0 && x < width) return;
    across->setValue(across->value() + x - width / 4);
}

void Reelwork::SetPlayhead(uint32_t ms) {
    monitor_->SetTime(ms);
}
