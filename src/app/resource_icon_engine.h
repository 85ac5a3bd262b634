#pragma once

#include <QIconEngine>
#include <QList>
#include <QString>

namespace tallimo::app {

// An icon drawn from pictures of a few fixed sizes, read afresh whenever a size is
// asked for. The desktop asks when a window is made, so nothing stays in memory between
// times: the pictures of the program's icon, kept decoded, would weigh more than a
// third of a megabyte for the whole life of the program.
class ResourceIconEngine : public QIconEngine {
public:
    // `pattern` names each picture with "%1" for its size in pixels.
    ResourceIconEngine(QString pattern, QList<int> sizes);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    int pictureFor(const QSize& size) const;

    QString pattern_;
    QList<int> sizes_;  // ascending
};

}  // namespace tallimo::app
