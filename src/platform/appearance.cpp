#include "platform/appearance.h"

#include "platform/logging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString schemeKey = QStringLiteral("color-scheme");
const QString readOne = QStringLiteral("ReadOne");
const QString readOld = QStringLiteral("Read");
constexpr int darkPreference = 1;
// A variant holds at most this many variants inside it before its number.
constexpr int deepestWrapping = 4;

} // namespace

namespace appearance {

ColourScheme fromPortal(const QVariant &value)
{
    QVariant inner = value;
    for (int depth = 0; depth < deepestWrapping && inner.metaType() == QMetaType::fromType<QDBusVariant>(); ++depth)
        inner = qvariant_cast<QDBusVariant>(inner).variant();
    switch (inner.metaType().id()) {
    case QMetaType::UInt:
    case QMetaType::Int:
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::Short:
    case QMetaType::ULongLong:
    case QMetaType::LongLong:
        return inner.toLongLong() == darkPreference ? ColourScheme::Dark : ColourScheme::Light;
    default:
        return ColourScheme::Light;
    }
}

} // namespace appearance

PortalAppearance::PortalAppearance(const QDBusConnection &bus, QObject *parent) : Appearance(parent), m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    // Any sender: naming the portal's service would ask the bus for its owner and wait.
    m_bus.connect(QString(), portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString, QString, QDBusVariant)));
    ask(readOne);
}

void PortalAppearance::ask(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface, method);
    call << appearanceGroup << schemeKey;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher *finished) { answered(finished, method); });
}

void PortalAppearance::answered(QDBusPendingCallWatcher *call, const QString &method)
{
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (!reply.isError()) {
        take(reply.argumentAt(0));
        return;
    }
    // Portals before version 2 of the interface know only Read().
    if (method == readOne && reply.error().type() == QDBusError::UnknownMethod) {
        ask(readOld);
        return;
    }
    qCDebug(logClearwind) << "The desktop's colour scheme could not be read:" << reply.error().message();
}

void PortalAppearance::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == appearanceGroup && key == schemeKey)
        take(value.variant());
}

void PortalAppearance::take(const QVariant &value)
{
    const ColourScheme scheme = appearance::fromPortal(value);
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    emit schemeChanged(scheme);
}
