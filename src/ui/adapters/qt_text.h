#pragma once
// The core speaks UTF-8; Qt speaks UTF-16. Every crossing goes through here.

#include <QLineEdit>
#include <QString>

#include <string>
#include <string_view>

namespace tallimo::ui {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Setting a box's text repaints it and runs its change signal: a box shown again
// and again (ten clock ticks a second, every render) is set only when it differs.
inline void setTextIfChanged(QLineEdit& box, std::string_view text)
{
    const QString shown = toQString(text);
    if (box.text() != shown) box.setText(shown);
}

inline std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace tallimo::ui
