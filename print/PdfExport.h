#pragma once
// Writes pages to a PDF file, A4 portrait, one sheet per page, with the same
// isotropic mapping the printer gets.

#include <QString>

#include <optional>
#include <vector>

#include "core/text/CoreMessage.h"
#include "print/PageProcedure.h"

// Writes `pages` to `path` (replacing it only when every page was written)
// with `title` as the document title. When the file cannot be written, the
// message for the user names the file and the reason where it is known (a
// catalogue text); nothing else is changed then.
[[nodiscard]] std::optional<CoreMessage> WritePdf(const QString& path, const std::vector<PageProcedure>& pages,
                                                  const QString& title);
