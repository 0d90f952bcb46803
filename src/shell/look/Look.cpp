// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/look/Look.h"

#include "settings/ApplicationTitle.h"

namespace quellard {

QFont fontFor(Typeface face, qreal points, bool bold, bool italic)
{
    static const char *const families[] = {"Liberation Sans", "DejaVu Sans", "Liberation Serif",
                                           "Liberation Sans Narrow"};
    QFont f(QString::fromLatin1(families[static_cast<int>(face)]));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString qstring(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString applicationTitle() { return qstring(kApplicationTitle); }

} // namespace quellard
