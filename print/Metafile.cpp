// The scalable drawings of the program's resources, drawn without widgets.

#include "print/Metafile.h"

#include <QFile>
#include <QPainter>

// The resources live in the static library wrgprint; the linker keeps them
// only when something asks for them, which this does (at global scope, as
// Qt's macro needs).
static void InitDrawingResources()
{
    Q_INIT_RESOURCE(drawings);
}

namespace {

void EnsureResources()
{
    static const bool initialised = (InitDrawingResources(), true);
    (void)initialised;
}

}  // namespace

std::unique_ptr<QSvgRenderer> MetafileResource(int id)
{
    EnsureResources();
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(id);
    if (!QFile::exists(path))
        return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid())
        return nullptr;
    return renderer;
}

QImage MetafileImage(int id, const QSize& size)
{
    if (size.isEmpty())
        return {};
    const auto renderer = MetafileResource(id);
    if (!renderer)
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    const QSizeF fitted = QSizeF(renderer->defaultSize()).scaled(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2, fitted.width(),
                        fitted.height());
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    renderer->render(&painter, target);
    return image;
}
