#include "platform/appearance.h"

#include "platform/logging.h"

#include <QDBusError>
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
const QString busService = QStringLiteral("org.freedesktop.DBus");
const QString busPath = QStringLiteral("/org/freedesktop/DBus");
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
    // QtDBus finds the types of a slot by their names, which Qt knows only
    // once they are registered; until then the slot is refused (and, when
    // nothing else happened to register them first, no change was heard).
    qRegisterMetaType<QDBusVariant>();
    qRegisterMetaType<QDBusMessage>();
    // Naming the portal's service here would have QtDBus ask the bus for its
    // owner and wait for the answer while the window starts. The sender is
    // checked by hand instead, against the owner learnt without waiting.
    if (!m_bus.connect(QString(), portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                       SLOT(settingChanged(QString, QString, QDBusVariant, QDBusMessage))))
        qCWarning(logClearwind) << "The desktop's changes of colour scheme cannot be followed:"
                                << m_bus.lastError().message();
    m_bus.connect(busService, busPath, busService, QStringLiteral("NameOwnerChanged"), {portalService}, QString(), this,
                  SLOT(ownerChanged(QString, QString, QString)));
    askOwner();
    ask(readOne);
}

void PortalAppearance::askOwner()
{
    QDBusMessage call = QDBusMessage::createMethodCall(busService, busPath, busService, QStringLiteral("GetNameOwner"));
    call << portalService;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<QString> reply = *finished;
        // No owner (no portal yet) is an answer too: nobody speaks for it.
        learnOwner(reply.isError() ? QString() : reply.value());
    });
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
    if (m_changeHeard)
        return;
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

void PortalAppearance::settingChanged(const QString &group, const QString &key, const QDBusVariant &value,
                                      const QDBusMessage &message)
{
    if (group != appearanceGroup || key != schemeKey)
        return;
    if (!m_ownerKnown) {
        m_unconfirmed = UnconfirmedChange{message.service(), value.variant()};
        return;
    }
    if (m_portalOwner.isEmpty() || message.service() != m_portalOwner)
        return;
    m_changeHeard = true;
    take(value.variant());
}

void PortalAppearance::ownerChanged(const QString &name, const QString &, const QString &newOwner)
{
    if (name == portalService)
        learnOwner(newOwner);
}

void PortalAppearance::learnOwner(const QString &owner)
{
    m_portalOwner = owner;
    m_ownerKnown = true;
    if (m_unconfirmed && !owner.isEmpty() && m_unconfirmed->sender == owner) {
        m_changeHeard = true;
        take(m_unconfirmed->value);
    }
    m_unconfirmed.reset();
}

void PortalAppearance::take(const QVariant &value)
{
    const ColourScheme scheme = appearance::fromPortal(value);
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    emit schemeChanged(scheme);
}
