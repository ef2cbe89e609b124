#include "RtspLocation.h"

#include <QUrl>

namespace {

const QString kLocation = QStringLiteral("rtsp://%1:554/mpeg4cif");

}  // namespace

QString rtspLocation(const QString& authority) {
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    if (at < 0) {
        return kLocation.arg(authority);
    }
    const QString userInfo = authority.left(at);
    const int colon = userInfo.indexOf(QLatin1Char(':'));
    const QString user = colon < 0 ? userInfo : userInfo.left(colon);
    QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(user));
    if (colon >= 0) {
        encoded += QLatin1Char(':') +
                   QString::fromLatin1(QUrl::toPercentEncoding(userInfo.mid(colon + 1)));
    }
    return kLocation.arg(encoded + QLatin1Char('@') + authority.mid(at + 1));
}
