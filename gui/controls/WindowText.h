#pragma once
// Small helpers every window of the program uses while it builds its
// controls and puts its texts on them.

#include <QLatin1String>
#include <QString>

#include "core/text/Catalogue.h"

namespace ui {

// The catalogue text `id` in the current language.
inline QString Text(TextId id)
{
    return QString::fromStdString(CatalogueText(id));
}

// Gives a new control the object name by which the window, its tests and its
// settings look it up, and hands it back.
template <class T>
T* Named(T* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

}  // namespace ui
