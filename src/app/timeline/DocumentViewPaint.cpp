// The timeline's drawing: ruler lines at the zoom's tick spacing, one filled bar per row in its
// type's colour, and the icon, time and name inside the bar when they fit, else beside it
// (before it near the view's right edge).
#include <algorithm>

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "app/timeline/BarPalette.h"
#include "app/timeline/DocumentView.h"
#include "panelwick/Sys/Utf.h"
#include "project/TimeText.h"
#include "render/ThumbnailKey.h"

namespace {

constexpr int kTickGap = 6;  // pixels between ruler lines at least, as on the ruler

// Colours are stored with red in the lowest byte.
QColor ColorOf(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace

void DocumentView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.setFont(font());
    DrawTicks(painter);
    const int textHeight = QFontMetrics(font()).size(0, QStringLiteral("0:00")).height();
    const int rows = static_cast<int>(document_.objects.size());
    int y = 0;
    for (int row = verticalScrollBar()->value(); row < rows && y < viewport()->height(); ++row) {
        DrawRow(painter, y, row, textHeight);
        y += rowHeight_;
    }
}

// The stronger lines fall where the ruler writes its labels.
int DocumentView::LabelGap() const {
    return QFontMetrics(font()).horizontalAdvance(QStringLiteral("00:00.0")) + 8;
}

void DocumentView::DrawTicks(QPainter& painter) {
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    QColor faint = base, strong = base;
    faint.setRgb((base.red() * 9 + text.red()) / 10, (base.green() * 9 + text.green()) / 10,
                 (base.blue() * 9 + text.blue()) / 10);
    strong.setRgb((base.red() * 3 + text.red()) / 4, (base.green() * 3 + text.green()) / 4,
                  (base.blue() * 3 + text.blue()) / 4);
    const int height = viewport()->height();
    for (const TimeScale::Tick& tick :
         geometry_.scale().Ticks(viewport()->width(), kTickGap, LabelGap())) {
        painter.setPen(tick.labelled ? strong : faint);
        painter.drawLine(tick.x, 0, tick.x, height);
    }
}

void DocumentView::DrawRow(QPainter& painter, int y, int row, int textHeight) {
    const MovieObject& object = document_.objects[row];
    const bool selected =
        document_.first() >= 0 && row >= document_.first() && row <= document_.last();
    if (selected) {
        QColor band = palette().color(QPalette::Highlight);
        band.setAlpha(50);
        painter.fillRect(0, y, viewport()->width(), rowHeight_, band);
    }
    // Bars far outside the view are cut to it, so their coordinates stay small.
    const int width = viewport()->width();
    const int left = std::max(-8, geometry_.XOfTime(object.begin));
    const int right = std::min(width + 8, geometry_.XOfTime(object.end));
    const QRect bar(left, y + 1, std::max(1, right - left), rowHeight_ - 2);
    const std::string key = ThumbnailKey::OfObject(object, document_.paths());
    const bool missing = FileMissing(object, key);
    if (right >= 0 && left < width) {
        const QColor fill = BarPalette::Fill(object.type, selected);
        painter.fillRect(bar, fill);
        if (object.type == MovieObjectType::Audio) DrawWaveform(painter, bar, object);
        painter.setPen(selected ? QPen(palette().color(QPalette::Highlight), 2)
                                : QPen(fill.darker(140), 1));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        if (missing) DrawMissingMark(painter, bar);
    }
    QRect labelled = bar;  // the label follows the thumbnail
    if (const int thumbnail = DrawThumbnail(painter, bar, object, missing ? "" : key)) {
        labelled.setLeft(std::max(bar.left(), 0) + thumbnail);
    }
    DrawLabel(painter, labelled, row, selected, textHeight);
}

// A small picture at the bar's visible start, when the bar is wide enough: the picture the key
// names (once made), which is a picture's own, a video's first frame or a drawing page's export
// by movie creation; a text's words in its colours, a rectangle's colour. The width it took.
int DocumentView::DrawThumbnail(QPainter& painter, const QRect& bar, const MovieObject& object,
                                const std::string& key) {
    const MovieObjectType type = object.type;
    const bool picture = type == MovieObjectType::Image || type == MovieObjectType::Video ||
                         type == MovieObjectType::CorelDrawPage;
    if (!picture && type != MovieObjectType::Text && type != MovieObjectType::Rectangle) return 0;
    const int height = bar.height() - 4;
    int width = height * 16 / 9;
    const int left = std::max(bar.left(), 0) + 2;
    if (height < 6 || bar.right() - left < 3 * width) return 0;
    if (picture) {
        if (key.empty()) return 0;
        const std::shared_ptr<const CG::ImageRGBA> small = thumbnails_->Find(key);
        if (!small) return 0;
        const QImage image(small->pixels(), int(small->width()), int(small->height()),
                           int(small->width()) * 4, QImage::Format_RGBA8888);
        width = std::max(1, int(int64_t(height) * small->width() / small->height()));
        painter.drawImage(QRect(left, bar.top() + 2, width, height), image);
        return width + 2;
    }
    const QRect box(left, bar.top() + 2, width, height);
    if (type == MovieObjectType::Rectangle) {
        painter.fillRect(box, ColorOf(object.frontColor));
    } else {
        painter.fillRect(box, ColorOf(object.backColor));
        QFont small = font();
        small.setPixelSize(std::max(4, height * 2 / 3));
        painter.setFont(small);
        painter.setPen(ColorOf(object.frontColor));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromStdString(Sys::ToUtf8(object.text)));
        painter.setFont(font());
    }
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    return width + 2;
}

std::string DocumentView::PathOf(const MovieObject& object) const {
    const std::string name = Sys::ToUtf8(object.fileName);
    return !name.empty() && name.front() == '/' ? name : document_.folder() + "/" + name;
}

bool DocumentView::FileMissing(const MovieObject& object) const {
    return FileMissing(object, ThumbnailKey::OfObject(object, document_.paths()));
}

// Texts and rectangles name no file (a text's name is its font's). A picture that cannot be
// decoded counts as missing until its file changes.
bool DocumentView::FileMissing(const MovieObject& object, const std::string& key) const {
    if (object.type == MovieObjectType::Text || object.type == MovieObjectType::Rectangle ||
        object.fileName.empty()) {
        return false;
    }
    if (missing_.count(Sys::ToUtf8(object.fileName)) > 0) return true;
    return object.type == MovieObjectType::Image && thumbnails_->Failed(key);
}

// A red outline and a warning sign at the bar's visible start.
void DocumentView::DrawMissingMark(QPainter& painter, const QRect& bar) {
    painter.setPen(QPen(QColor(220, 30, 30), 2));
    painter.drawRect(bar.adjusted(1, 1, -1, -1));
    const int size = std::max(8, bar.height() - 4);
    const QPixmap sign = style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size);
    painter.drawPixmap(std::max(bar.left(), 0) + 2, bar.top() + (bar.height() - size) / 2, sign);
}

// The peak envelope from the object's skip offset, both channels merged, mirrored about the
// bar's middle; a file whose peaks are not at hand (yet) leaves the bar plain.
void DocumentView::DrawWaveform(QPainter& painter, const QRect& bar, const MovieObject& object) {
    if (object.fileName.empty()) return;
    const std::shared_ptr<const WavePeaks> peaks = peaks_->Find(PathOf(object));
    if (!peaks) return;
    painter.setPen(BarPalette::Fill(object.type, false).darker(170));
    const int middle = bar.center().y(), half = bar.height() / 2 - 1;
    const int from = std::max(bar.left(), 0), to = std::min(bar.right(), viewport()->width());
    const int64_t shift = int64_t(object.skip) - object.begin;
    for (int x = from; x < to; ++x) {
        const int64_t t0 = geometry_.TimeAtX(x) + shift, t1 = geometry_.TimeAtX(x + 1) + shift;
        if (t1 <= 0) continue;
        const int h = peaks->Max(uint32_t(std::max<int64_t>(0, t0)), uint32_t(t1)) * half / 255;
        if (h > 0) painter.drawLine(x, middle - h, x, middle + h);
    }
}

void DocumentView::DrawLabel(QPainter& painter, const QRect& bar, int row, bool selected,
                             int textHeight) {
    const MovieObject& object = document_.objects[row];
    const QFontMetrics metrics(font());
    const QString time = QString::fromStdString(TimeText(object.begin, object.end));
    const QString name = QString::fromStdString(Sys::ToUtf8(object.DisplayName()));
    const int needed = icons_.size() + 3 * margin_ + metrics.horizontalAdvance(time) +
                       metrics.horizontalAdvance(name) + margin_;
    const int visibleLeft = std::max(bar.left(), 0);
    const bool inside = bar.right() - visibleLeft >= needed;
    int start = inside ? visibleLeft + margin_ : bar.right() + 1 + margin_;
    // A bar near the view's right edge has its label before it, where it can be read.
    if (!inside && start + needed > viewport()->width() && bar.left() >= needed) {
        start = bar.left() - needed + margin_;
    }
    const int y = bar.top() - 1;
    const QColor ink = inside ? BarPalette::TextOn(BarPalette::Fill(object.type, selected))
                              : palette().color(QPalette::Text);
    const int textTop = y + (rowHeight_ - textHeight + 1) * 50 / 100;
    painter.drawPixmap(start, y + (rowHeight_ - icons_.size() + 1) * 50 / 100,
                       icons_.Get(object.type, selected));
    const int timeLeft = start + icons_.size() + margin_;
    QColor timeInk = ink;
    timeInk.setAlpha(200);
    painter.setPen(timeInk);
    painter.drawText(timeLeft, textTop + metrics.ascent(), time);
    painter.setPen(ink);
    painter.drawText(timeLeft + metrics.horizontalAdvance(time) + margin_,
                     textTop + metrics.ascent(), name);
}
