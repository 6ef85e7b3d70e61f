// The program's message box.

#include "gui/controls/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "gui/controls/WindowText.h"

namespace {

constexpr int IconSide = 32;
// Used only when the platform reports no screen at all.
constexpr int FallbackScreenWidth = 800;

TMessageBoxHook& MessageHook()
{
    static TMessageBoxHook hook;
    return hook;
}

// n × numerator / denominator rounded to the nearest integer, halves away
// from zero, as the layout of the box has always been computed.
int MulDiv(int n, int numerator, int denominator)
{
    const long long product = static_cast<long long>(n) * numerator;
    const long long twice = 2 * product + (product >= 0 ? denominator : -denominator);
    return static_cast<int>(twice / (2LL * denominator));
}

// The text of the box, drawn with the same wrapping flags that measured it,
// so that a word longer than the wrap width breaks where it was measured to
// break instead of being cut off.
class TMessageText : public QLabel {
public:
    TMessageText(const QString& text, int flags, QWidget* parent) : QLabel(text, parent), flags_(flags)
    {
        setWordWrap(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        const int align = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignTop);
        painter.drawText(rect(), align | flags_, text());
    }

private:
    int flags_;
};

// The main window's font when the program has one, else the dialog font of
// the current language.
QFont MessageFont()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("TFormWRG") || widget->inherits("QMainWindow"))
            return widget->font();
    }
    return DialogFont();
}

// The window a box belongs to: the modal window in front, else the active
// window, else the program's main window. A box with an owner stays in front
// of it, and its closing is never taken for the closing of the program's
// last window.
QWidget* MessageOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits("TFormWRG"))
            return widget;
    }
    return nullptr;
}

// The width the caption needs in the title bar: the text in the bold title
// font beside the frame's icon, its minimise, maximise and close buttons and
// their spacing, together about five title bar heights.
int TitleWidth(const QString& title, const QWidget& box)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int text = std::max(QFontMetrics(bold).horizontalAdvance(title),
                              QFontMetrics(box.font()).horizontalAdvance(title));
    return text + 5 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
}

QScreen* MessageScreen()
{
    return QGuiApplication::primaryScreen();
}

QStyle::StandardPixmap IconOfType(TMessageType type)
{
    switch (type) {
    case TMessageType::Warning:
        return QStyle::SP_MessageBoxWarning;
    case TMessageType::Error:
        return QStyle::SP_MessageBoxCritical;
    case TMessageType::Information:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}

}  // namespace

bool MessageTypeHasIcon(TMessageType type)
{
    return type >= TMessageType::Warning && type <= TMessageType::Question;
}

TMessageForm::TMessageForm(const QString& message, TMessageType type, const QString& title, QWidget* parent)
    : TVxForm(parent), type_(type)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setLayoutDirection(QGuiApplication::layoutDirection());
    setFont(MessageFont());
    setWindowTitle(title);

    // Measures from the average letter of the font.
    TMessageGeometry& g = geometry_;
    const QFontMetrics metrics(font());
    g.charWidth = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                  52;
    g.charHeight = metrics.height();
    g.horzMargin = MulDiv(8, g.charWidth, 4);
    g.vertMargin = MulDiv(8, g.charHeight, 8);
    g.horzSpacing = MulDiv(10, g.charWidth, 4);
    g.vertSpacing = MulDiv(10, g.charHeight, 8);
    g.buttonWidth = MulDiv(50, g.charWidth, 4);
    g.buttonHeight = MulDiv(14, g.charHeight, 8);

    // The message wrapped at half the screen width; a word too long for that
    // width is broken inside.
    QScreen* screen = MessageScreen();
    g.wrapWidth = (screen ? screen->geometry().width() : FallbackScreenWidth) / 2;
    int textFlags = Qt::TextWordWrap | Qt::TextExpandTabs;
    QRect measured = metrics.boundingRect(QRect(0, 0, g.wrapWidth, 0), Qt::AlignLeft | Qt::AlignTop | textFlags,
                                          message);
    if (measured.width() > g.wrapWidth) {
        textFlags = Qt::TextWrapAnywhere | Qt::TextExpandTabs;
        measured = metrics.boundingRect(QRect(0, 0, g.wrapWidth, 0), Qt::AlignLeft | Qt::AlignTop | textFlags, message);
    }
    g.textRect = QRect(0, 0, std::min(measured.width(), g.wrapWidth), measured.height());

    const bool hasIcon = MessageTypeHasIcon(type);
    g.iconTextWidth = g.textRect.width();
    g.iconTextHeight = g.textRect.height();
    if (hasIcon) {
        g.iconTextWidth += IconSide + g.horzSpacing;
        g.iconTextHeight = std::max(g.iconTextHeight, IconSide);
    }
    g.clientSize = QSize(std::max(g.iconTextWidth, g.buttonWidth) + 2 * g.horzMargin,
                         g.iconTextHeight + g.buttonHeight + g.vertSpacing + 2 * g.vertMargin);
    // A box of a short message is made wide enough for its whole caption
    // (a caption wider than the screen is left to the frame to shorten).
    g.clientSize.setWidth(std::max(g.clientSize.width(), std::min(TitleWidth(title, *this), 2 * g.wrapWidth)));
    setFixedSize(g.clientSize);

    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    const auto placed = [&](int left, int width) { return mirrored ? g.clientSize.width() - left - width : left; };

    if (hasIcon) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(style()->standardIcon(IconOfType(type), nullptr, this).pixmap(IconSide, IconSide));
        image->setGeometry(placed(g.horzMargin, IconSide), g.vertMargin, IconSide, IconSide);
    }

    auto* text = new TMessageText(message, textFlags, this);
    text->setObjectName(QStringLiteral("Message"));
    const int textLeft = g.iconTextWidth - g.textRect.width() + g.horzMargin;
    text->setGeometry(placed(textLeft, g.textRect.width()), g.vertMargin, g.textRect.width(), g.textRect.height());

    auto* button = new QPushButton(QStringLiteral("OK"), this);
    button->setObjectName(QStringLiteral("Button_OK"));
    button->setDefault(true);
    button->setAutoDefault(true);
    button->setGeometry((g.clientSize.width() - g.buttonWidth) / 2, g.iconTextHeight + g.vertMargin + g.vertSpacing,
                        g.buttonWidth, g.buttonHeight);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    button->setFocus();

    // Centred on the screen.
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(g.clientSize.width() / 2, g.clientSize.height() / 2));
    }
}

void TMessageForm::reject()
{
    if (escapeResult_)
        done(*escapeResult_);
    else
        accept();
}

void TMessageForm::SetButtons(const std::vector<TButton>& buttons, int escapeResult)
{
    delete findChild<QPushButton*>(QStringLiteral("Button_OK"));
    escapeResult_ = escapeResult;

    const TMessageGeometry& g = geometry_;
    const QFontMetrics metrics(font());
    std::vector<int> widths;
    int rowWidth = 0;
    for (const TButton& b : buttons) {
        QPushButton probe(b.caption);
        probe.setFont(font());
        widths.push_back(std::max(g.buttonWidth, probe.sizeHint().width()));
        rowWidth += widths.back();
    }
    if (!buttons.empty())
        rowWidth += (static_cast<int>(buttons.size()) - 1) * g.horzSpacing;

    // A wider box keeps the message and the icon at their distance from
    // the edge they start from.
    const int oldWidth = width();
    const int newWidth = std::max(oldWidth, rowWidth + 2 * g.horzMargin);
    if (newWidth != oldWidth) {
        setFixedSize(newWidth, height());
        geometry_.clientSize.setWidth(newWidth);
        if (layoutDirection() == Qt::RightToLeft) {
            for (const char* name : {"Image", "Message"})
                if (auto* child = findChild<QWidget*>(QLatin1String(name)))
                    child->move(child->x() + newWidth - oldWidth, child->y());
        }
        move(pos() - QPoint((newWidth - oldWidth) / 2, 0));
    }

    const int top = g.iconTextHeight + g.vertMargin + g.vertSpacing;
    int left = (newWidth - rowWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i].caption, this);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setDefault(i == 0);
        button->setAutoDefault(true);
        const int x = layoutDirection() == Qt::RightToLeft ? newWidth - left - widths[i] : left;
        button->setGeometry(x, top, widths[i], g.buttonHeight);
        const int result = buttons[i].result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        if (i == 0)
            button->setFocus();
        left += widths[i] + g.horzSpacing;
    }
}

std::unique_ptr<TMessageForm> BuildMessageForm(const QString& message, TMessageType type, const QString& title)
{
    return std::make_unique<TMessageForm>(message, type, title, MessageOwner());
}

int ShowMessageBox(const QString& message, TMessageType type, const QString& title)
{
    // A copy, so that a hook may replace itself while it runs.
    const TMessageBoxHook hook = MessageHook();
    if (hook)
        return hook(message, type, title);

    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), message.toLocal8Bit().constData());
        return MessageResultOK;
    }
    std::unique_ptr<TMessageForm> form = BuildMessageForm(message, type, title);
    const QPointer<TMessageForm> shown(form.get());
    form->exec();
    if (!shown) {
        // Its owner went while it was shown and took the box with it.
        (void)form.release();
        return MessageResultOK;
    }
    return form->result();
}

void ShowError(const QString& title, const QString& message)
{
    ShowMessageBox(message, TMessageType::Error, title);
}

TSaveAnswer AskSaveChanges(const QString& message, const QString& title)
{
    const auto answer = [](int result) {
        switch (result) {
        case SaveAnswerSave:
        case SaveAnswerDiscard:
            return static_cast<TSaveAnswer>(result);
        default:
            return SaveAnswerCancel;
        }
    };
    const TMessageBoxHook hook = MessageHook();
    if (hook)
        return answer(hook(message, TMessageType::Question, title));
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return SaveAnswerCancel;
    const std::unique_ptr<TMessageForm> form = BuildMessageForm(message, TMessageType::Question, title);
    form->SetButtons({{ui::Text(TextId::Save), SaveAnswerSave},
                      {ui::Text(TextId::DontSave), SaveAnswerDiscard},
                      {ui::Text(TextId::Cancel), SaveAnswerCancel}},
                     SaveAnswerCancel);
    return answer(form->exec());
}

bool MayReplaceChanges(bool changed, const QString& message, const QString& title, const std::function<bool()>& save)
{
    if (!changed)
        return true;
    switch (AskSaveChanges(message, title)) {
    case SaveAnswerSave:
        return save();
    case SaveAnswerDiscard:
        return true;
    default:
        return false;
    }
}

void SetMessageBoxHook(TMessageBoxHook hook)
{
    MessageHook() = std::move(hook);
}
