#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariant>

#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusVariant;

// Whether the program is light or dark.
enum class ColourScheme { Light, Dark };

// Where the program learns which look the desktop wants, now and later.
class Appearance : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual ColourScheme scheme() const = 0;

signals:
    void schemeChanged(ColourScheme scheme);
};

// One look for the whole run, whatever the desktop says (--theme dark).
class FixedAppearance : public Appearance
{
    Q_OBJECT
public:
    explicit FixedAppearance(ColourScheme scheme, QObject *parent = nullptr) : Appearance(parent), m_scheme(scheme) {}
    ColourScheme scheme() const override { return m_scheme; }

private:
    ColourScheme m_scheme;
};

// The desktop's preference as its settings portal tells it, followed while
// the program runs. The portal is asked without waiting for it: until it
// answers, and when there is no bus, no portal or no sensible answer, the
// look is light. A change the portal announces wins over its first answer,
// which may come after it; a change announced by anyone else on the bus is
// not the desktop's and is ignored.
class PortalAppearance : public Appearance
{
    Q_OBJECT
public:
    explicit PortalAppearance(const QDBusConnection &bus, QObject *parent = nullptr);
    ColourScheme scheme() const override { return m_scheme; }

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value,
                        const QDBusMessage &message);
    void ownerChanged(const QString &name, const QString &oldOwner, const QString &newOwner);

private:
    void askOwner();
    void ask(const QString &method);
    void answered(QDBusPendingCallWatcher *call, const QString &method);
    void learnOwner(const QString &owner);
    void take(const QVariant &value);

    // A change heard before the portal's owner was known, kept with its sender.
    struct UnconfirmedChange
    {
        QString sender;
        QVariant value;
    };

    QDBusConnection m_bus;
    ColourScheme m_scheme = ColourScheme::Light;
    // The unique name that holds the portal's name now; empty while none does.
    QString m_portalOwner;
    bool m_ownerKnown = false;
    std::optional<UnconfirmedChange> m_unconfirmed;
    // Once the portal has announced a change, its first answer is older news.
    bool m_changeHeard = false;
};

namespace appearance {
// The look a value of the portal's color-scheme names: 1 is dark; 0 (no
// preference), 2 (light) and anything else, light. Variants within
// variants, as the older Read() answers, are unwrapped.
ColourScheme fromPortal(const QVariant &value);
} // namespace appearance
