// The in-house check box and radio button (TVxCheckBox, TVxRadioButton).

#include "gui/controls/Controls.h"

#include "gui/controls/Mnemonic.h"

#include <QActionEvent>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cstdlib>

namespace {

// Caption layout of the check box and the radio button, in pixels.
constexpr int CaptionIndent = 18;      // text start with the box on the left
constexpr int RightBoxTextIndent = 1;  // text start with the box on the right
constexpr int RightBoxReserve = 18;    // room kept free for a box on the right
constexpr int CaptionPadding = 2;      // room for the embossed copy and the focus frame

// Draws a caption into `rect`: once in the text colour of the palette while
// the control is enabled; embossed while it is disabled: first one pixel
// right and down in the light colour, then in place in the dark colour. The
// background stays untouched between the two passes.
void DrawCaption(QPainter& painter, const QWidget& widget, QPalette::ColorRole textRole, const QRect& rect, int flags,
                 const QString& text)
{
    const QPalette& palette = widget.palette();
    if (widget.isEnabled()) {
        const QPalette::ColorGroup group = widget.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
        painter.setPen(palette.color(group, textRole));
        painter.drawText(rect, flags, text);
        return;
    }
    painter.setPen(palette.color(QPalette::Disabled, QPalette::Light));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(palette.color(QPalette::Disabled, QPalette::Dark));
    painter.drawText(rect, flags, text);
}

// The focus frame around a caption laid out at `textRect`.
void DrawCaptionFocus(QPainter& painter, const QWidget& widget, const QRect& textRect)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.rect = textRect.adjusted(-1, 0, CaptionPadding, 1).intersected(widget.rect());
    focus.backgroundColor = widget.palette().color(QPalette::Window);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}

QSize CaptionTextSize(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text);
}

}  // namespace

// ---------------------------------------------------------------- check box

TVxCheckBox::TVxCheckBox(QWidget* parent) : QCheckBox(parent) {}

TVxCheckBox::TVxCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void TVxCheckBox::setBoxOnRight(bool onRight)
{
    if (boxOnRight_ == onRight)
        return;
    boxOnRight_ = onRight;
    updateGeometry();
    update();
}

void TVxCheckBox::setWordWrap(bool wrap)
{
    if (wordWrap_ == wrap)
        return;
    wordWrap_ = wrap;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(wrap);
    setSizePolicy(policy);
    updateGeometry();
    update();
}

QRect TVxCheckBox::captionRect() const
{
    if (boxOnRight_)
        return QRect(RightBoxTextIndent, 0, width() - RightBoxTextIndent - RightBoxReserve, height());
    return QRect(CaptionIndent, 0, width() - CaptionIndent, height());
}

int TVxCheckBox::textFlags() const
{
    return Qt::AlignLeft | Qt::AlignTop | (wordWrap_ ? Qt::TextWordWrap : 0);
}

QRect TVxCheckBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    const int x = boxOnRight_ ? width() - w : 0;
    return QRect(x, (height() - h) / 2, w, h);
}

QSize TVxCheckBox::sizeHint() const
{
    ensurePolished();
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    const int reserve = boxOnRight_ ? RightBoxTextIndent + RightBoxReserve : CaptionIndent;
    const QSize text = CaptionTextSize(*this, this->text());
    return QSize(reserve + text.width() + CaptionPadding, std::max(indicatorHeight, text.height() + CaptionPadding));
}

QSize TVxCheckBox::minimumSizeHint() const
{
    return sizeHint();
}

bool TVxCheckBox::hasHeightForWidth() const
{
    return wordWrap_;
}

int TVxCheckBox::heightForWidth(int width) const
{
    if (!wordWrap_)
        return QCheckBox::heightForWidth(width);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    const int reserve = boxOnRight_ ? RightBoxTextIndent + RightBoxReserve : CaptionIndent;
    const int textWidth = std::max(1, width - reserve - CaptionPadding);
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, textWidth, QWIDGETSIZE_MAX),
                                                  textFlags() | Qt::TextShowMnemonic, this->text());
    return std::max(indicatorHeight, text.height() + CaptionPadding);
}

void TVxCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = indicatorRect();
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);

    // The caption rectangle takes the window colour of the palette, the colour
    // the control shows of its parent (the button role of QAbstractButton is
    // the face of push buttons).
    const QRect caption = captionRect();
    painter.fillRect(caption, palette().brush(QPalette::Window));

    // Measure first, then centre the text block vertically in the caption.
    const int flags = textFlags() | MnemonicFlag(this, &option);
    const QRect measured = fontMetrics().boundingRect(caption, flags, text());
    const QRect textRect(caption.left(), caption.top() + (caption.height() - measured.height()) / 2, caption.width(),
                         measured.height());
    DrawCaption(painter, *this, foregroundRole(), textRect, flags, text());
    if (hasFocus() && !text().isEmpty())
        DrawCaptionFocus(painter, *this, QRect(textRect.left(), textRect.top(), measured.width(), measured.height()));
}

namespace {

// The caption is painted by the control, so every change of what it shows
// repaints it (a new text repaints through setText already).
void RepaintCaptionOn(QWidget& control, QEvent::Type change)
{
    switch (change) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
        control.update();
        break;
    case QEvent::FontChange:
        control.updateGeometry();
        control.update();
        break;
    default:
        break;
    }
}

}  // namespace

bool TVxCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void TVxCheckBox::changeEvent(QEvent* event)
{
    RepaintCaptionOn(*this, event->type());
    QCheckBox::changeEvent(event);
}

// ------------------------------------------------------------- radio button

TVxRadioButton::TVxRadioButton(QWidget* parent) : QRadioButton(parent) {}

TVxRadioButton::TVxRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

QRect TVxRadioButton::captionRect() const
{
    return QRect(CaptionIndent, 0, width() - CaptionIndent, height());
}

// The caption hangs from the top, so the button sits beside its first line
// rather than in the middle of a taller control.
QRect TVxRadioButton::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int w = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int h = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    const int line = fontMetrics().height();
    return QRect(0, std::max(0, (line - h) / 2), w, h);
}

QSize TVxRadioButton::sizeHint() const
{
    ensurePolished();
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    const QSize text = CaptionTextSize(*this, this->text());
    return QSize(CaptionIndent + text.width() + CaptionPadding,
                 std::max(indicatorHeight, text.height() + CaptionPadding));
}

QSize TVxRadioButton::minimumSizeHint() const
{
    return sizeHint();
}

void TVxRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = indicatorRect();
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);

    const QRect caption = captionRect();
    painter.fillRect(caption, palette().brush(QPalette::Window));
    const int flags = Qt::AlignLeft | Qt::AlignTop | MnemonicFlag(this, &option);
    DrawCaption(painter, *this, foregroundRole(), caption, flags, text());
    if (hasFocus() && !text().isEmpty())
        DrawCaptionFocus(painter, *this, fontMetrics().boundingRect(caption, flags, text()));
}

bool TVxRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void TVxRadioButton::changeEvent(QEvent* event)
{
    RepaintCaptionOn(*this, event->type());
    QRadioButton::changeEvent(event);
}
