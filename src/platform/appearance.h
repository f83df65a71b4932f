#pragma once

#include <QDBusConnection>
#include <QObject>

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
// look is light.
class PortalAppearance : public Appearance
{
    Q_OBJECT
public:
    explicit PortalAppearance(const QDBusConnection &bus, QObject *parent = nullptr);
    ColourScheme scheme() const override { return m_scheme; }

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void ask(const QString &method);
    void answered(QDBusPendingCallWatcher *call, const QString &method);
    void take(const QVariant &value);

    QDBusConnection m_bus;
    ColourScheme m_scheme = ColourScheme::Light;
};

namespace appearance {
// The look a value of the portal's color-scheme names: 1 is dark; 0 (no
// preference), 2 (light) and anything else, light. Variants within
// variants, as the older Read() answers, are unwrapped.
ColourScheme fromPortal(const QVariant &value);
} // namespace appearance
