#pragma once
// Writes pages to a PDF file, A4 portrait, one sheet per page, with the same
// isotropic mapping the printer gets.

#include <QString>

#include <optional>
#include <vector>

#include "print/PageProcedure.h"

// Writes `pages` to `path` (replacing it only when every page was written)
// with `title` as the document title. Returns an English message when the
// file cannot be written; nothing else is changed then.
std::optional<QString> WritePdf(const QString& path, const std::vector<PageProcedure>& pages, const QString& title);
