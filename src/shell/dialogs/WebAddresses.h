// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

namespace quellard {

// Our web addresses, kept together so that a move of the site is a change in one place.
// The support site answers both the contact form and the product pages; the query selects one.
inline constexpr char kSupportSite[] = "https://quellard.example.org/support";
inline constexpr char kContactQuery[] = "?mode=Contact";
inline constexpr char kProductsQuery[] = "?mode=Products&p=";
inline constexpr char kProductId[] = "quellard";
inline constexpr char kHomePage[] = "https://quellard.example.org/";

inline QUrl feedbackUrl() { return QUrl(QString::fromLatin1(kSupportSite) + QLatin1String(kContactQuery)); }

inline QUrl productPageUrl()
{
    return QUrl(QString::fromLatin1(kSupportSite) + QLatin1String(kProductsQuery) + QLatin1String(kProductId));
}

inline QUrl homePageUrl() { return QUrl(QString::fromLatin1(kHomePage)); }

} // namespace quellard
