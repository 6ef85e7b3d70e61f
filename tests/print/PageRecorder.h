#pragma once
// A paint device for the datasheet tests that records what a page draws:
// every text with its place, size and font, every cell the page gave a text,
// and every rectangle with its fill and outline. Logical units are device
// units (no mapping), 254 dots per inch, so one unit is 0.1 mm as on the
// page.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QTextItem>
#include <QTransform>

#include <vector>

#include "print/PageFrame.h"

struct RecordedText {
    QString text;
    QPointF baseline;  // on the page
    bool bold = false;
    int pixelSize = 0;
    bool turned = false;  // drawn with a rotation
    double width = 0;     // the advance of the text
    double ascent = 0;    // above and below the baseline
    double descent = 0;
    QFont font;
};

// The cell of a text line, in the logical units of the canvas at the time.
struct RecordedCell {
    QRectF cell;
    QTransform toPage;
    QString text;
    std::size_t firstText = 0;  // the first recorded text drawn in it
};

struct RecordedRect {
    QRectF rect;
    QColor fill;  // invalid without a brush
    Qt::PenStyle outline = Qt::SolidLine;
    QList<qreal> dashes;  // the dash pattern of a dashed outline
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
        if (state.state() & DirtyPen)
            pen_ = state.pen();
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texts.push_back({item.text(), transform_.map(p), item.font().bold(), item.font().pixelSize(),
                         transform_.isRotating(), item.width(), item.ascent(), item.descent(), item.font()});
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            this->rects.push_back({transform_.mapRect(rects[i]),
                                   brush_.style() == Qt::NoBrush ? QColor() : brush_.color(), pen_.style(),
                                   pen_.style() == Qt::SolidLine ? QList<qreal>() : pen_.dashPattern()});
    }
    // Integer rectangles, lines, points, ellipses and images reach these
    // through the engine's default conversions.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

    std::vector<RecordedText> texts;
    std::vector<RecordedRect> rects;

private:
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
};

class PageRecorder : public QPaintDevice, public TextCellSink {
public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<RecordedText>& Texts() const { return engine_.texts; }
    const std::vector<RecordedRect>& Rects() const { return engine_.rects; }
    const std::vector<RecordedCell>& Cells() const { return cells_; }

    void TextCell(const QRectF& cell, const QTransform& toDevice, const QString& text) override
    {
        cells_.push_back({cell, toDevice, text, engine_.texts.size()});
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 2100;
        case PdmHeight:
            return 2970;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 254;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    mutable RecordingEngine engine_;
    std::vector<RecordedCell> cells_;
};
