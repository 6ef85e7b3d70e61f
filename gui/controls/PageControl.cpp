// The in-house page control with its tab strip (TVxPageControl).

#include "gui/controls/Controls.h"

#include "gui/controls/Mnemonic.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOption>

#include <algorithm>
#include <cstdlib>

// ------------------------------------------------------------- page control

namespace {

constexpr int TabOverlap = 2;     // the current tab reaches this far over the page frame
constexpr int TabRaise = 2;       // the current tab stands out this far from its row
constexpr int TabPadding = 6;     // row height beyond the tallest caption line
constexpr int PaneFrame = 2;      // page frame: outline plus one pixel of margin
constexpr int TopActiveLift = 5;  // caption of the current tab above the bottom, tabs on top
constexpr int BottomLift = 3;     // every caption above the bottom, tabs at the bottom
constexpr int CaptionMargin = 4;  // room on each side of a caption inside its tab

QString StripMnemonic(QString text)
{
    // "&&" stands for a literal ampersand, a single "&" marks the mnemonic.
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&')
            text.remove(i, 1);
    }
    return text;
}

}  // namespace

// The tab strip: a focusable child that leaves layout, painting and keys to
// its page control.
class TVxTabStrip : public QWidget {
public:
    explicit TVxTabStrip(TVxPageControl* owner) : QWidget(owner), owner_(owner) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        owner_->paintStrip(painter);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            QWidget::mousePressEvent(event);
            return;
        }
        const int index = owner_->tabAt(event->position().toPoint());
        if (index >= 0)
            owner_->setCurrentIndex(index);
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override { owner_->stripKeyPress(event); }
    void focusInEvent(QFocusEvent* event) override
    {
        update();
        QWidget::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        update();
        QWidget::focusOutEvent(event);
    }

private:
    TVxPageControl* owner_;
};

TVxPageControl::TVxPageControl(QWidget* parent)
    : QWidget(parent), strip_(new TVxTabStrip(this)), stack_(new QStackedWidget(this))
{
    setFocusProxy(strip_);
    setFocusPolicy(Qt::TabFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    strip_->hide();
    // A page leaves the stack when it is deleted or given another parent.
    connect(stack_, &QStackedWidget::widgetRemoved, this, &TVxPageControl::pageRemoved);
}

TVxPageControl::~TVxPageControl()
{
    // The pages die with the stack after this body; they must not call back.
    disconnect(stack_, nullptr, this, nullptr);
    for (const Page& page : pages_) {
        if (page.widget)
            page.widget->removeEventFilter(this);
    }
}

int TVxPageControl::addPage(QWidget* page, const QString& caption)
{
    if (!page)
        return -1;
    if (const int existing = indexOf(page); existing >= 0)
        return existing;
    stack_->addWidget(page);
    pages_.push_back(Page{page, caption, 0});
    const int index = count() - 1;
    page->installEventFilter(this);
    updateShortcut(index);
    strip_->show();
    if (current_ < 0) {
        current_ = index;
        stack_->setCurrentWidget(page);
        strip_->setAccessibleName(StripMnemonic(caption));
        relayout();
        updateGeometry();
        emit currentChanged(current_);
        return index;
    }
    relayout();
    updateGeometry();
    return index;
}

QWidget* TVxPageControl::page(int index) const
{
    return index >= 0 && index < count() ? pages_[static_cast<std::size_t>(index)].widget : nullptr;
}

int TVxPageControl::indexOf(const QWidget* page) const
{
    for (int i = 0; i < count(); ++i) {
        if (pages_[static_cast<std::size_t>(i)].widget == page)
            return i;
    }
    return -1;
}

QWidget* TVxPageControl::currentPage() const
{
    return page(current_);
}

QString TVxPageControl::caption(int index) const
{
    return index >= 0 && index < count() ? pages_[static_cast<std::size_t>(index)].caption : QString();
}

void TVxPageControl::setCaption(int index, const QString& caption)
{
    if (index < 0 || index >= count())
        return;
    pages_[static_cast<std::size_t>(index)].caption = caption;
    updateShortcut(index);
    if (index == current_)
        strip_->setAccessibleName(StripMnemonic(caption));
    strip_->update();
}

void TVxPageControl::setTabPosition(TabPosition position)
{
    if (position_ == position)
        return;
    position_ = position;
    relayout();
}

void TVxPageControl::setTabWidth(int width)
{
    width = std::max(1, width);
    if (tabWidth_ == width)
        return;
    tabWidth_ = width;
    relayout();
    updateGeometry();
}

int TVxPageControl::captionTabWidth() const
{
    int widest = 0;
    for (const Page& page : pages_) {
        const QFontMetrics metrics(page.widget ? page.widget->font() : font());
        widest = std::max(widest, metrics.horizontalAdvance(StripMnemonic(page.caption)));
    }
    return widest + 2 * CaptionMargin;
}

int TVxPageControl::oneRowWidth() const
{
    return count() * tabWidth_ + 2 * TabRaise;
}

void TVxPageControl::setCurrentIndex(int index)
{
    if (index == current_ || !selectable(index))
        return;
    current_ = index;
    stack_->setCurrentWidget(page(index));
    strip_->setAccessibleName(StripMnemonic(caption(index)));
    // The rows rotate so that the new current row lies next to the pages.
    strip_->update();
    emit currentChanged(index);
}

bool TVxPageControl::selectable(int index) const
{
    const QWidget* widget = page(index);
    return widget && widget->isEnabledTo(stack_);
}

int TVxPageControl::nextSelectable(int index, int step) const
{
    const int n = count();
    for (int k = 1; k < n; ++k) {
        const int candidate = ((index + step * k) % n + n) % n;
        if (selectable(candidate))
            return candidate;
    }
    return index;
}

// The rows start TabRaise in, so that the widened current tab stays inside
// the strip at both ends of a row.
int TVxPageControl::tabsPerRow(int stripWidth) const
{
    return std::max(1, (stripWidth - 2 * TabRaise) / tabWidth_);
}

int TVxPageControl::rowsFor(int stripWidth) const
{
    const int perRow = tabsPerRow(stripWidth);
    return (count() + perRow - 1) / perRow;
}

int TVxPageControl::rowCount() const
{
    return rowsFor(width());
}

int TVxPageControl::rowHeight() const
{
    int line = fontMetrics().height();
    if (!pages_.empty()) {
        line = 0;
        for (const Page& page : pages_) {
            if (page.widget)
                line = std::max(line, QFontMetrics(page.widget->font()).height());
        }
    }
    return line + TabPadding;
}

int TVxPageControl::stripHeight(int stripWidth) const
{
    return count() > 0 ? rowsFor(stripWidth) * rowHeight() + TabOverlap : 0;
}

// The place of a tab in the row grid. Rows are numbered from the one next to
// the pages outwards; the row of the current tab is row 0 and the others
// follow in their cyclic order, as on the classic multi-row tab controls.
QRect TVxPageControl::cellRect(int index) const
{
    const int perRow = tabsPerRow(width());
    const int rows = rowsFor(width());
    const int row = index / perRow;
    const int activeRow = current_ >= 0 ? current_ / perRow : 0;
    const int fromPages = (row - activeRow + rows) % rows;
    const int h = rowHeight();
    const int y = position_ == Top ? (rows - 1 - fromPages) * h : TabOverlap + fromPages * h;
    return QRect(TabRaise + (index % perRow) * tabWidth_, y, tabWidth_, h);
}

// Tabs other than the current one are TabRaise shorter on the side away from
// the pages; the current tab is TabRaise wider on each side and reaches over
// the page frame, so that it opens into its page.
QRect TVxPageControl::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return QRect();
    const QRect cell = cellRect(index);
    if (index == current_) {
        return position_ == Top ? cell.adjusted(-TabRaise, 0, TabRaise, TabOverlap)
                                : cell.adjusted(-TabRaise, -TabOverlap, TabRaise, 0);
    }
    return position_ == Top ? cell.adjusted(0, TabRaise, 0, 0) : cell.adjusted(0, 0, 0, -TabRaise);
}

int TVxPageControl::tabAt(const QPoint& pos) const
{
    if (tabRect(current_).contains(pos))
        return current_;
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(pos))
            return i;
    }
    return -1;
}

QWidget* TVxPageControl::tabStrip() const
{
    return strip_;
}

QRect TVxPageControl::paneRect() const
{
    const int strip = stripHeight(width());
    const int covered = strip > 0 ? strip - TabOverlap : 0;
    if (position_ == Top)
        return QRect(0, covered, width(), height() - covered);
    return QRect(0, 0, width(), height() - covered);
}

void TVxPageControl::relayout()
{
    const int strip = stripHeight(width());
    const QRect pane = paneRect();
    if (position_ == Top)
        strip_->setGeometry(0, 0, width(), strip);
    else
        strip_->setGeometry(0, height() - strip, width(), strip);
    stack_->setGeometry(pane.adjusted(PaneFrame, PaneFrame, -PaneFrame, -PaneFrame));
    strip_->raise();
    strip_->update();
    update();
}

void TVxPageControl::updateShortcut(int index)
{
    Page& page = pages_[static_cast<std::size_t>(index)];
    if (page.shortcutId != 0)
        releaseShortcut(page.shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(page.caption);
    page.shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
}

// The stack has already chosen the page shown in place of a removed current
// one (the next, or the previous at the end); the tabs follow it.
void TVxPageControl::pageRemoved(int index)
{
    if (index < 0 || index >= count())
        return;
    const auto removed = pages_.begin() + index;
    if (removed->shortcutId != 0)
        releaseShortcut(removed->shortcutId);
    if (removed->widget)
        removed->widget->removeEventFilter(this);
    pages_.erase(removed);

    const int previous = current_;
    current_ = pages_.empty() ? -1 : stack_->currentIndex();
    strip_->setVisible(!pages_.empty());
    strip_->setAccessibleName(StripMnemonic(caption(current_)));
    relayout();
    updateGeometry();
    if (current_ != previous || index == previous)
        emit currentChanged(current_);
}

QSize TVxPageControl::sizeHint() const
{
    const QSize pages = stack_->sizeHint();
    const int width = std::max(pages.width() + 2 * PaneFrame, tabWidth_ + 2 * TabRaise);
    return QSize(width, heightForWidth(width));
}

QSize TVxPageControl::minimumSizeHint() const
{
    const QSize pages = stack_->minimumSizeHint();
    const int width = pages.width() + 2 * PaneFrame;
    const int strip = stripHeight(width);
    return QSize(width, pages.height() + 2 * PaneFrame + std::max(0, strip - TabOverlap));
}

bool TVxPageControl::hasHeightForWidth() const
{
    return true;
}

int TVxPageControl::heightForWidth(int width) const
{
    const int strip = stripHeight(width);
    return stack_->sizeHint().height() + 2 * PaneFrame + std::max(0, strip - TabOverlap);
}

bool TVxPageControl::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
        for (int i = 0; i < count(); ++i) {
            if (pages_[static_cast<std::size_t>(i)].shortcutId == id) {
                setCurrentIndex(i);
                return true;
            }
        }
    } else if (event->type() == QEvent::LayoutRequest) {
        // A page changed its size hint.
        updateGeometry();
    }
    return QWidget::event(event);
}

bool TVxPageControl::eventFilter(QObject* watched, QEvent* event)
{
    if (indexOf(qobject_cast<QWidget*>(watched)) >= 0) {
        if (event->type() == QEvent::EnabledChange) {
            strip_->update();
        } else if (event->type() == QEvent::FontChange) {
            relayout();
            updateGeometry();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Ctrl+Tab and Ctrl+Shift+Tab (and Ctrl+PageDown / Ctrl+PageUp) reach the
// control from wherever the focus is on its pages.
void TVxPageControl::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab))
        step = (event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier)) ? -1 : 1;
    else if (control && event->key() == Qt::Key_PageDown)
        step = 1;
    else if (control && event->key() == Qt::Key_PageUp)
        step = -1;
    if (step == 0 || count() < 1) {
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentIndex(nextSelectable(current_, step));
    event->accept();
}

// Arrow keys in the strip move to the neighbouring selectable tab without
// wrapping; Home and End go to the first and last one.
void TVxPageControl::stripKeyPress(QKeyEvent* event)
{
    int target = -1;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            for (int i = current_ - 1; i >= 0 && target < 0; --i)
                target = selectable(i) ? i : -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            for (int i = current_ + 1; i < count() && target < 0; ++i)
                target = selectable(i) ? i : -1;
            break;
        case Qt::Key_Home:
            for (int i = 0; i < count() && target < 0; ++i)
                target = selectable(i) ? i : -1;
            break;
        case Qt::Key_End:
            for (int i = count() - 1; i >= 0 && target < 0; --i)
                target = selectable(i) ? i : -1;
            break;
        default:
            event->ignore();
            return;
        }
        if (target >= 0)
            setCurrentIndex(target);
        event->accept();
        return;
    }
    event->ignore();
}

void TVxPageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect pane = paneRect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(pane);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(pane.left() + 1, pane.top() + 1, pane.right() - 1, pane.top() + 1);
    painter.drawLine(pane.left() + 1, pane.top() + 1, pane.left() + 1, pane.bottom() - 1);
}

void TVxPageControl::resizeEvent(QResizeEvent* event)
{
    relayout();
    QWidget::resizeEvent(event);
}

void TVxPageControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        relayout();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

// Each tab is an outline open towards the pages. The captions are drawn by
// the control in the font of their page, centred horizontally and aligned to
// the bottom of the tab rectangle: with tabs on top the current tab's text
// sits 5 pixels above the bottom and the others on the bottom; with tabs at
// the bottom every text sits 3 pixels above the bottom.
void TVxPageControl::paintStrip(QPainter& painter)
{
    const QPalette& pal = palette();
    const QColor outline = pal.color(QPalette::Dark);
    const QColor light = pal.color(QPalette::Light);
    const QColor activeFill = pal.color(QPalette::Window);
    const QColor inactiveFill = activeFill.darker(106);
    const bool top = position_ == Top;
    QStyleOption styleOption;
    styleOption.initFrom(this);
    const int mnemonic = MnemonicFlag(this, &styleOption);

    auto drawTab = [&](int index) {
        const bool active = index == current_;
        const QRect r = tabRect(index);
        painter.fillRect(r, active ? activeFill : inactiveFill);
        // Outline on three sides with cut corners on the side away from the pages.
        const int farY = top ? r.top() : r.bottom();
        const int nearY = top ? r.bottom() : r.top();
        const int inward = top ? 1 : -1;
        painter.setPen(outline);
        painter.drawLine(r.left(), nearY, r.left(), farY + 2 * inward);
        painter.drawLine(r.left() + 1, farY + inward, r.left() + 1, farY + inward);
        painter.drawLine(r.left() + 2, farY, r.right() - 2, farY);
        painter.drawLine(r.right() - 1, farY + inward, r.right() - 1, farY + inward);
        painter.drawLine(r.right(), farY + 2 * inward, r.right(), nearY);
        if (active) {
            painter.setPen(light);
            painter.drawLine(r.left() + 1, nearY, r.left() + 1, farY + 2 * inward);
            painter.drawLine(r.left() + 2, farY + inward, r.right() - 2, farY + inward);
        }
        const QWidget* widget = page(index);
        const int lift = top ? (active ? TopActiveLift : 0) : BottomLift;
        const QRect text = r.adjusted(0, 0, 0, -lift);
        const int flags = Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine | mnemonic;
        painter.setFont(widget ? widget->font() : font());
        painter.setPen(pal.color(selectable(index) ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(text, flags, caption(index));
        if (active && strip_->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(strip_);
            focus.rect = painter.fontMetrics()
                             .boundingRect(text, flags, caption(index))
                             .adjusted(-2, 0, 2, 0)
                             .intersected(r.adjusted(2, 2, -2, -2));
            focus.backgroundColor = activeFill;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, strip_);
        }
    };

    for (int i = 0; i < count(); ++i) {
        if (i != current_)
            drawTab(i);
    }
    if (current_ >= 0)
        drawTab(current_);
}
