#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <functional>

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

// Hands a file or web address to the desktop, which opens it in the player's browser. The answer
// says whether the desktop took it; the game never reports a failure, so callers may ignore it.
// Injected wherever the game opens something, so that tests record the address instead.
using UrlOpener = std::function<bool(const QUrl &)>;

inline bool openWithDesktop(const QUrl &url) { return QDesktopServices::openUrl(url); }

} // namespace quellard
