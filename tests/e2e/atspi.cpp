// toevane-atspi: what the programs on the session's accessibility bus
// (AT-SPI) show, and pressing their controls there, as a screen reader
// does. The end-to-end tests under Wayland drive the program with it, where
// no tool can send keys or clicks to another program's window.
//
//   toevane-atspi tree                 one JSON object a line for every window and every
//                                      accessible object showing in one (see walk())
//   toevane-atspi do BUS PATH ACTION   performs the named action ("Press", "Toggle", ...)
//
// It talks to the bus named by DBUS_SESSION_BUS_ADDRESS; an application is
// listed once it has registered with the accessibility registry.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

struct ObjectReference
{
    QString bus;
    QDBusObjectPath path;
};

constexpr auto kAccessible = "org.a11y.atspi.Accessible";
constexpr auto kAction = "org.a11y.atspi.Action";
constexpr int kCallTimeoutMs = 5000;

// The AT-SPI states that the tests look at, by their bit number.
const std::pair<int, const char *> kStates[] = {
    { 1, "active" }, { 4, "checked" },   { 8, "enabled" },  { 12, "focused" },
    { 16, "modal" }, { 23, "selected" }, { 25, "showing" }, { 30, "visible" },
};

QDBusMessage call(const QDBusConnection &bus, const ObjectReference &object, const char *interface,
                  const char *method, const QVariantList &arguments = {})
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(object.bus, object.path.path(),
                                       QString::fromLatin1(interface), QString::fromLatin1(method));
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, kCallTimeoutMs);
}

template<typename T> T first(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return T();
    return qdbus_cast<T>(reply.arguments().constFirst());
}

// Hands each structure of the reply's array of structures to read.
template<typename Read> void forEachStructure(const QDBusMessage &reply, Read read)
{
    const auto all = reply.arguments().value(0).value<QDBusArgument>();
    if (all.currentType() != QDBusArgument::ArrayType)
        return;
    all.beginArray();
    while (!all.atEnd()) {
        all.beginStructure();
        read(all);
        all.endStructure();
    }
    all.endArray();
}

QList<ObjectReference> children(const QDBusConnection &bus, const ObjectReference &object)
{
    QList<ObjectReference> found;
    forEachStructure(call(bus, object, kAccessible, "GetChildren"),
                     [&found](const QDBusArgument &child) {
                         ObjectReference reference;
                         child >> reference.bus >> reference.path;
                         found << reference;
                     });
    return found;
}

QString name(const QDBusConnection &bus, const ObjectReference &object)
{
    const QDBusMessage reply = call(bus, object, "org.freedesktop.DBus.Properties", "Get",
                                    { QString::fromLatin1(kAccessible), QStringLiteral("Name") });
    return first<QDBusVariant>(reply).variant().toString();
}

// The names of the object's actions, each of which comes with a description
// and a key binding.
QStringList actions(const QDBusConnection &bus, const ObjectReference &object)
{
    QStringList names;
    forEachStructure(call(bus, object, kAction, "GetActions"),
                     [&names](const QDBusArgument &action) {
                         QString name, description, keyBinding;
                         action >> name >> description >> keyBinding;
                         names << name;
                     });
    return names;
}

QStringList states(const QDBusConnection &bus, const ObjectReference &object)
{
    const QList<uint> words = first<QList<uint>>(call(bus, object, kAccessible, "GetState"));
    QStringList names;
    for (const auto &[bit, stateName] : kStates) {
        if (bit / 32 < words.size() && (words[bit / 32] >> (bit % 32)) & 1U)
            names << QString::fromLatin1(stateName);
    }
    return names;
}

// Prints the object and, when it is showing, what it holds.
void walk(const QDBusConnection &bus, const ObjectReference &object, const QJsonObject &context,
          const QString &parent, const QString &window, int depth)
{
    if (depth > 64)
        return; // a cycle or a runaway tree
    QJsonObject line = context;
    line[QStringLiteral("bus")] = object.bus;
    line[QStringLiteral("path")] = object.path.path();
    line[QStringLiteral("parent")] = parent;
    line[QStringLiteral("window")] = window.isEmpty() ? object.path.path() : window;
    line[QStringLiteral("role")] = first<QString>(call(bus, object, kAccessible, "GetRoleName"));
    line[QStringLiteral("name")] = name(bus, object);
    const QStringList objectStates = states(bus, object);
    line[QStringLiteral("states")] = QJsonArray::fromStringList(objectStates);
    line[QStringLiteral("actions")] = QJsonArray::fromStringList(actions(bus, object));
    std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
    if (!objectStates.contains(QStringLiteral("showing")))
        return;
    for (const ObjectReference &child : children(bus, object))
        walk(bus, child, context, object.path.path(),
             window.isEmpty() ? object.path.path() : window, depth + 1);
}

int tree(const QDBusConnection &bus)
{
    const ObjectReference registry { QStringLiteral("org.a11y.atspi.Registry"),
                                     QDBusObjectPath("/org/a11y/atspi/accessible/root") };
    for (const ObjectReference &application : children(bus, registry)) {
        QJsonObject context;
        context[QStringLiteral("app")] = name(bus, application);
        context[QStringLiteral("pid")] =
            qint64(bus.interface()->servicePid(application.bus).value());
        for (const ObjectReference &window : children(bus, application))
            walk(bus, window, context, QString(), QString(), 0);
    }
    return 0;
}

// Says on standard error what went wrong; returns the exit status for it.
int failure(const QString &what)
{
    std::fprintf(stderr, "toevane-atspi: %s\n", qPrintable(what));
    return 1;
}

int perform(const QDBusConnection &bus, const ObjectReference &object, const QString &action)
{
    const int index = int(actions(bus, object).indexOf(action));
    if (index < 0)
        return failure(object.bus + u' ' + object.path.path() + QStringLiteral(" has no action ") +
                       action);
    const QDBusMessage reply = call(bus, object, kAction, "DoAction", { index });
    return first<bool>(reply)
        ? 0
        : failure(action + QStringLiteral(" failed: ") + reply.errorMessage());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    const bool isTree = arguments == QStringList { QStringLiteral("tree") };
    const bool isDo = arguments.size() == 4 && arguments[0] == u"do";
    if (!isTree && !isDo) {
        std::fputs("usage: toevane-atspi tree | toevane-atspi do BUS PATH ACTION\n", stderr);
        return 2;
    }

    // The accessibility bus is a bus of its own; the session bus names it.
    const QDBusMessage address = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
        QDBus::Block, kCallTimeoutMs);
    if (address.type() != QDBusMessage::ReplyMessage)
        return failure(QStringLiteral("no accessibility bus: ") + address.errorMessage());
    const QDBusConnection bus = QDBusConnection::connectToBus(
        address.arguments().value(0).toString(), QStringLiteral("a11y"));
    if (!bus.isConnected())
        return failure(QStringLiteral("cannot connect to the accessibility bus: ") +
                       bus.lastError().message());
    if (isTree)
        return tree(bus);
    return perform(bus, { arguments[1], QDBusObjectPath(arguments[2]) }, arguments[3]);
}
