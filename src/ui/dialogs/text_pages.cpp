#include "ui/dialogs/text_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace tallimo::ui {

bool paintTextPages(QPainter& painter, QSizeF pageSize, const QString& text, const std::function<bool()>& newPage)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(painter.device());
    document.setDefaultFont(painter.font());
    document.setDocumentMargin(0);
    document.setPageSize(pageSize);
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document.setPlainText(lines);

    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !newPage()) return false;
        const qreal top = page * pageSize.height();
        painter.save();
        painter.translate(0, -top);
        document.drawContents(&painter, QRectF(QPointF(0, top), pageSize));
        painter.restore();
    }
    return true;
}

}  // namespace tallimo::ui
