#include "app/resource_icon_engine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace tallimo::app {

ResourceIconEngine::ResourceIconEngine(QString pattern, QList<int> sizes)
    : pattern_(std::move(pattern)), sizes_(std::move(sizes))
{
    std::sort(sizes_.begin(), sizes_.end());
}

int ResourceIconEngine::pictureFor(const QSize& size) const
{
    // The smallest picture at least as large, so that it is only ever scaled down.
    const int wanted = std::max(size.width(), size.height());
    const auto fit = std::lower_bound(sizes_.begin(), sizes_.end(), wanted);
    return fit == sizes_.end() ? sizes_.back() : *fit;
}

QPixmap ResourceIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    if (sizes_.isEmpty() || size.isEmpty()) return {};
    // Read as an image: a pixmap read from a file would stay in the pixmap cache.
    QPixmap picture = QPixmap::fromImage(QImage(pattern_.arg(pictureFor(size))));
    // Never drawn larger than the largest picture, as a pixmap icon would not be.
    if (picture.isNull() || (picture.width() <= size.width() && picture.height() <= size.height())) return picture;
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void ResourceIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QSize ResourceIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::min({size.width(), size.height(), sizes_.isEmpty() ? 0 : sizes_.back()});
    return {side, side};
}

QList<QSize> ResourceIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : sizes_) sizes.append({side, side});
    return sizes;
}

QIconEngine* ResourceIconEngine::clone() const { return new ResourceIconEngine(pattern_, sizes_); }

QString ResourceIconEngine::key() const { return QStringLiteral("tallimo-resource"); }

}  // namespace tallimo::app
