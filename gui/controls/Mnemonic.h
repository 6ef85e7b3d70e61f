#pragma once
// Whether the in-house controls underline their "&" letters: the style
// decides (some styles show them only while Alt is held).

#include <QStyle>
#include <QStyleOption>
#include <QWidget>

inline int MnemonicFlag(const QWidget* widget, const QStyleOption* option)
{
    return widget->style()->styleHint(QStyle::SH_UnderlineShortcut, option, widget) ? Qt::TextShowMnemonic
                                                                                    : Qt::TextHideMnemonic;
}
