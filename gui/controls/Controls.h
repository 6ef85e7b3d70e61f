#pragma once
// The in-house look of four standard controls: check box and radio button
// that paint their own captions (embossed when disabled), the main menu with
// items of one fixed height, and the page control whose tabs of a fixed width
// wrap into several rows.

#include <QCheckBox>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QMenu;
class QStackedWidget;
class TVxMenuItemStyle;
class TVxTabStrip;

// A check box whose caption is painted by the control after the box. With the
// box on the left the text starts 18 pixels in; with the box on the right the
// text starts 1 pixel in and ends 18 pixels before the right edge. The text is
// centred vertically, word-wrapped when wordWrap is set, and drawn embossed
// while the control is disabled. A click anywhere in the control toggles it.
class TVxCheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(bool boxOnRight READ boxOnRight WRITE setBoxOnRight)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
public:
    explicit TVxCheckBox(QWidget* parent = nullptr);
    explicit TVxCheckBox(const QString& text, QWidget* parent = nullptr);

    bool boxOnRight() const { return boxOnRight_; }
    void setBoxOnRight(bool onRight);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // The caption rectangle in widget coordinates: filled with the control's
    // background, the text is laid out inside it.
    QRect captionRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void changeEvent(QEvent* event) override;

private:
    int textFlags() const;
    QRect indicatorRect() const;

    bool boxOnRight_ = false;
    bool wordWrap_ = false;
};

// A radio button whose caption is painted by the control: the text starts
// 18 pixels in and is drawn from the top left, embossed while disabled.
class TVxRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit TVxRadioButton(QWidget* parent = nullptr);
    explicit TVxRadioButton(const QString& text, QWidget* parent = nullptr);

    // The caption rectangle in widget coordinates (see TVxCheckBox).
    QRect captionRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void changeEvent(QEvent* event) override;

private:
    QRect indicatorRect() const;
};

// The main menu bar. Every item of the menus it owns (and of their submenus)
// is as tall as the absolute height of the menu's font plus 4 pixels. Menus
// are taken over when they are added to the bar or to one of its menus.
class TVxMainMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit TVxMainMenu(QWidget* parent = nullptr);
    ~TVxMainMenu() override;

    // The height of an item of `menu`: the pixel height of its font plus 4.
    static int itemHeight(const QWidget* menu);

protected:
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adoptMenu(QMenu* menu);

    std::unique_ptr<TVxMenuItemStyle> itemStyle_;
    std::vector<QPointer<QMenu>> menus_;
};

// A tabbed page control. Its own tab strip lays the tabs out with a fixed
// width in as many rows as needed; the row of the current tab is always the
// one next to the pages and the other rows keep their cyclic order beyond it.
// Each tab caption is drawn in the font of its page, centred horizontally
// and aligned to the bottom of the tab rectangle. A disabled page cannot be
// made current.
class TVxPageControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
    Q_PROPERTY(int tabWidth READ tabWidth WRITE setTabWidth)
    Q_PROPERTY(TabPosition tabPosition READ tabPosition WRITE setTabPosition)
public:
    enum TabPosition { Top, Bottom };
    Q_ENUM(TabPosition)

    explicit TVxPageControl(QWidget* parent = nullptr);
    ~TVxPageControl() override;

    // Appends `page` (taking ownership) with the tab caption `caption`; an
    // "&" marks the mnemonic letter. Returns the index of the new page.
    int addPage(QWidget* page, const QString& caption);
    int count() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const;
    int indexOf(const QWidget* page) const;
    QWidget* currentPage() const;

    QString caption(int index) const;
    void setCaption(int index, const QString& caption);

    int currentIndex() const { return current_; }

    TabPosition tabPosition() const { return position_; }
    void setTabPosition(TabPosition position);
    int tabWidth() const { return tabWidth_; }
    void setTabWidth(int width);
    // The tab width at which the widest caption, drawn in its page's font,
    // fits into its tab.
    int captionTabWidth() const;
    // The width at which all tabs stand in one row at the current tab width.
    int oneRowWidth() const;

    // Geometry of the tab strip, in the coordinates of tabStrip(): the number
    // of rows at the current width, the rectangle in which the caption of a
    // tab is aligned and the tab under a point (-1 if none).
    int rowCount() const;
    QRect tabRect(int index) const;
    int tabAt(const QPoint& pos) const;
    QWidget* tabStrip() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

public slots:
    // Makes page `index` current unless it is out of range or disabled.
    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TVxTabStrip;

    struct Page {
        QPointer<QWidget> widget;
        QString caption;
        int shortcutId = 0;
    };

    bool selectable(int index) const;
    // The next selectable page from `index` in direction `step` (+1 or -1),
    // wrapping around; `index` itself if there is none.
    int nextSelectable(int index, int step) const;
    int tabsPerRow(int stripWidth) const;
    int rowsFor(int stripWidth) const;
    int rowHeight() const;
    int stripHeight(int stripWidth) const;
    QRect cellRect(int index) const;
    QRect paneRect() const;
    void relayout();
    void updateShortcut(int index);
    void pageRemoved(int index);

    void paintStrip(QPainter& painter);
    void stripKeyPress(QKeyEvent* event);

    std::vector<Page> pages_;
    int current_ = -1;
    int tabWidth_ = 200;
    TabPosition position_ = Top;
    TVxTabStrip* strip_ = nullptr;
    QStackedWidget* stack_ = nullptr;
};
