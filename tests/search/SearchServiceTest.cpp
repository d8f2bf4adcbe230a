// vantrel-search as the desktop's search sees it: over a private session bus
// that starts the service by D-Bus activation from its service file.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QGuiApplication>
#include <QMap>
#include <QWindow>
#include <QXmlStreamReader>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "search/DesktopActions.h"
#include "search/GnomeSearchProvider.h"
#include "search/KRunnerTypes.h"
#include "search/SearchService.h"
#include "support/PrivateSessionBus.h"
#include "support/TempDir.h"

namespace vantrel::search {
namespace {

using namespace std::chrono_literals;
using vantrel::testing::PrivateSessionBus;
using vantrel::testing::ReadBytes;
using vantrel::testing::WriteBytes;

constexpr char kGnome[] = "org.gnome.Shell.SearchProvider2";
constexpr char kKRunner[] = "org.kde.krunner1";
const QString kQuery = QStringLiteral("100 mi in km");
const QStringList kTerms = kQuery.split(QLatin1Char(' '));
const QString kResult = QStringLiteral("160.9344 km");
const QString kDescription = QStringLiteral("100 mile = 160.9344 kilometer");

enum class Display { kNone, kInherited, kUnreachable };

template <class Done>
bool WaitFor(Done done, std::chrono::milliseconds limit = 15s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

class SearchServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!PrivateSessionBus::DaemonAvailable())
      GTEST_SKIP() << "dbus-daemon is missing (Debian: dbus-daemon): no private bus to test on";
    RegisterSearchTypes();
  }

  // A private bus whose service file starts vantrel-search, with settings
  // in a folder of the test's own and a script that records the arguments
  // the window would be started with.
  void StartBus(int idleSeconds = 60, Display display = Display::kNone) {
    bus_.emplace();
    QProcessEnvironment& environment = bus_->Environment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
    WriteBytes(Folder() / "window",
               "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
    std::filesystem::permissions(Folder() / "window", std::filesystem::perms::owner_all);
    environment.insert(QString::fromLatin1(kWindowProgramVariable), Path("window"));
    if (display != Display::kInherited) environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (display == Display::kUnreachable)
      environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":32767"));
    bus_->AddService(QString::fromLatin1(kBusName),
                     {QStringLiteral(VANTREL_SEARCH), QStringLiteral("--idle-seconds"),
                      QString::number(idleSeconds)});
    std::string error;
    ASSERT_TRUE(bus_->Start(error)) << error;
  }

  const std::filesystem::path& Folder() const { return bus_->Folder().path(); }
  QString Path(const char* name) const {
    return QString::fromStdString((Folder() / name).string());
  }

  QDBusMessage Call(const char* interface, const char* method, const QVariantList& arguments = {}) {
    return bus_->Call(QString::fromLatin1(kBusName), QString::fromLatin1(kObjectPath),
                      QString::fromLatin1(interface), QString::fromLatin1(method), arguments);
  }
  QStringList Strings(const QDBusMessage& reply) {
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0).toStringList();
  }
  template <class T>
  T Demarshalled(const QDBusMessage& reply) {
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return qdbus_cast<T>(reply.arguments().value(0).value<QDBusArgument>());
  }
  KRunnerMatches Matches(const QString& query) {
    return Demarshalled<KRunnerMatches>(Call(kKRunner, "Match", {query}));
  }
  bool ServiceRuns() const { return bus_->HasOwner(QString::fromLatin1(kBusName)); }

  // Another program's copy, made as a program does it after a key press:
  // with the X server's present time, which a window's property change
  // brings. (With the time of the last event seen, the service's own copy,
  // the service would take the copy for an older one and ignore it.)
  static void CopyAsAnotherProgram(const QString& text) {
    QWindow window;
    window.create();
    window.setTitle(QStringLiteral("another program"));
    WaitFor([] { return false; }, 200ms);
    QGuiApplication::clipboard()->setText(text);
  }

  std::optional<PrivateSessionBus> bus_;
};

TEST_F(SearchServiceTest, GnomeShellGetsOneResultAndItsMetas) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  EXPECT_FALSE(ServiceRuns());
  const QStringList ids = Strings(Call(kGnome, "GetInitialResultSet", {kTerms}));
  EXPECT_TRUE(ServiceRuns()) << "the call starts the service";
  ASSERT_EQ(ids, QStringList{kQuery});
  EXPECT_EQ(Strings(Call(kGnome, "GetSubsearchResultSet", {ids, kTerms})), ids);

  // An id that converts nothing has no metas.
  const QDBusMessage reply =
      Call(kGnome, "GetResultMetas", {QStringList{kQuery, QStringLiteral("hello")}});
  EXPECT_EQ(reply.signature(), QStringLiteral("aa{sv}"));
  const auto metas = Demarshalled<QList<QVariantMap>>(reply);
  ASSERT_EQ(metas.size(), 1);
  const QVariantMap expected{{QStringLiteral("id"), kQuery},
                             {QStringLiteral("name"), kResult},
                             {QStringLiteral("description"), kDescription},
                             {QStringLiteral("gicon"), QStringLiteral("vantrel")},
                             {QStringLiteral("clipboardText"), kResult}};
  EXPECT_EQ(metas[0], expected);
}

TEST_F(SearchServiceTest, KRunnerGetsOneMatchAndTheOpenAction) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  const QDBusMessage actionsReply = Call(kKRunner, "Actions");
  EXPECT_EQ(actionsReply.signature(), QStringLiteral("a(sss)"));
  const auto actions = Demarshalled<KRunnerActions>(actionsReply);
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0].id, QStringLiteral("open"));
  EXPECT_EQ(actions[0].text, QStringLiteral("Open in the converter"));
  EXPECT_EQ(actions[0].icon, QStringLiteral("vantrel"));

  const QDBusMessage reply = Call(kKRunner, "Match", {kQuery});
  EXPECT_EQ(reply.signature(), QStringLiteral("a(sssida{sv})"));
  const auto matches = Demarshalled<KRunnerMatches>(reply);
  ASSERT_EQ(matches.size(), 1);
  EXPECT_EQ(matches[0].id, kQuery);
  EXPECT_EQ(matches[0].text, kResult);
  EXPECT_EQ(matches[0].icon, QStringLiteral("vantrel"));
  EXPECT_EQ(matches[0].type, kKRunnerExactMatch);
  EXPECT_EQ(matches[0].relevance, 1.0);
  EXPECT_EQ(matches[0].properties, (QVariantMap{{QStringLiteral("subtext"), kDescription}}));
}

// No conversion, or one that fails: nothing, from either interface.
TEST_F(SearchServiceTest, TextThatConvertsNothingGivesNoResult) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  for (const char* text :
       {"hello world", "", "   ", "100", "to km", "100 mi in kg", "100 furlongz in km"}) {
    SCOPED_TRACE(text);
    const QString query = QString::fromUtf8(text);
    const QStringList terms = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_TRUE(Strings(Call(kGnome, "GetInitialResultSet", {terms})).isEmpty());
    EXPECT_TRUE(
        Strings(Call(kGnome, "GetSubsearchResultSet", {QStringList{kQuery}, terms})).isEmpty());
    EXPECT_TRUE(
        Demarshalled<QList<QVariantMap>>(Call(kGnome, "GetResultMetas", {QStringList{query}}))
            .isEmpty());
    EXPECT_TRUE(Matches(query).isEmpty());
  }
}

// What the service says of itself is what the desktop calls it with.
TEST_F(SearchServiceTest, InterfacesIntrospectWithTheirSignatures) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  const QDBusMessage reply = Call("org.freedesktop.DBus.Introspectable", "Introspect");
  ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
  // "interface.method" -> "in signature -> out signature"
  QMap<QString, QString> found;
  QXmlStreamReader xml(reply.arguments().value(0).toString());
  QString interface, method, in, out;
  while (!xml.atEnd()) {
    xml.readNext();
    const auto attribute = [&](const char* name) {
      return xml.attributes().value(QLatin1String(name)).toString();
    };
    if (xml.isStartElement() && xml.name() == QLatin1String("interface"))
      interface = attribute("name");
    if (xml.isStartElement() && xml.name() == QLatin1String("method")) {
      method = attribute("name");
      in.clear();
      out.clear();
    }
    if (xml.isStartElement() && xml.name() == QLatin1String("arg"))
      (attribute("direction") == QLatin1String("out") ? out : in) += attribute("type");
    if (xml.isEndElement() && xml.name() == QLatin1String("method"))
      found.insert(interface + QLatin1Char('.') + method, in + QStringLiteral(" -> ") + out);
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  const std::pair<const char*, const char*> expected[] = {
      {"org.gnome.Shell.SearchProvider2.GetInitialResultSet", "as -> as"},
      {"org.gnome.Shell.SearchProvider2.GetSubsearchResultSet", "asas -> as"},
      {"org.gnome.Shell.SearchProvider2.GetResultMetas", "as -> aa{sv}"},
      {"org.gnome.Shell.SearchProvider2.ActivateResult", "sasu -> "},
      {"org.gnome.Shell.SearchProvider2.LaunchSearch", "asu -> "},
      {"org.kde.krunner1.Actions", " -> a(sss)"},
      {"org.kde.krunner1.Match", "s -> a(sssida{sv})"},
      {"org.kde.krunner1.Run", "ss -> "},
  };
  for (const auto& [name, signature] : expected) {
    EXPECT_EQ(found.value(QString::fromLatin1(name)).toStdString(), signature) << name;
  }
}

TEST_F(SearchServiceTest, OpeningStartsTheWindowOnTheConversion) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  const QStringList conversion{"--category", "Distance",  "--from",  "mile",
                               "--to",       "kilometer", "--value", "100"};
  const struct {
    const char* interface;
    const char* method;
    QVariantList arguments;
    QStringList window;
  } cases[] = {
      {kGnome, "LaunchSearch", {kTerms, 0u}, conversion},
      {kKRunner, "Run", {kQuery, QStringLiteral("open")}, conversion},
      // The shell's icon beside no conversion: the window as it starts by itself.
      {kGnome, "LaunchSearch", {QStringList{QStringLiteral("hello")}, 0u}, {}},
  };
  const std::filesystem::path record = Folder() / "window.args";
  for (const auto& [interface, method, arguments, window] : cases) {
    SCOPED_TRACE(method);
    std::filesystem::remove(record);
    EXPECT_EQ(Call(interface, method, arguments).type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(record); })) << "no window started";
    EXPECT_EQ(ReadBytes(record),
              window.isEmpty() ? "\n" : (window.join('\n') + '\n').toStdString());
  }
}

// On X11 the copied text lives in the service: it stays, past its idle
// time, until another program copies.
TEST_F(SearchServiceTest, ClipboardHoldsTheResultUntilAnotherProgramCopies) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    GTEST_SKIP() << "no display: the ctest search.ClipboardOnX11 runs this under xvfb-run";
  const struct {
    const char* interface;
    const char* method;
    QVariantList arguments;
  } cases[] = {
      {kGnome, "ActivateResult", {kQuery, kTerms, 0u}},
      {kKRunner, "Run", {kQuery, QString()}},
  };
  for (const auto& [interface, method, arguments] : cases) {
    SCOPED_TRACE(method);
    ASSERT_NO_FATAL_FAILURE(StartBus(1, Display::kInherited));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const QDBusMessage reply = Call(interface, method, arguments);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    // A request made with a time older than the service's copy is refused:
    // this process's time moves on as it handles the X events the copy
    // brings, as a program's does.
    EXPECT_TRUE(WaitFor([] { return QGuiApplication::clipboard()->text() == kResult; }, 5s))
        << QGuiApplication::clipboard()->text().toStdString();
    std::this_thread::sleep_for(2500ms);
    EXPECT_TRUE(ServiceRuns()) << "gone with the clipboard's text";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kResult);
    CopyAsAnotherProgram(QStringLiteral("another program's"));
    EXPECT_TRUE(WaitFor([&] { return !ServiceRuns(); })) << "still there without the clipboard";
  }
}

TEST_F(SearchServiceTest, CopyingWithoutADisplayIsRefusedAndTheServiceGoesOn) {
  const struct {
    Display display;
    const char* said;
  } cases[] = {
      {Display::kNone, "cannot copy \"160.9344 km\" to the clipboard: no display"},
      {Display::kUnreachable, "the display cannot be opened; going on without one"},
  };
  for (const auto& [display, said] : cases) {
    SCOPED_TRACE(said);
    ASSERT_NO_FATAL_FAILURE(StartBus(60, display));
    const QDBusMessage reply = Call(kGnome, "ActivateResult", {kQuery, kTerms, 0u});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(Strings(Call(kGnome, "GetInitialResultSet", {kTerms})), QStringList{kQuery});
    EXPECT_NE(bus_->Errors().find(said), std::string::npos) << bus_->Errors();
  }
}

TEST_F(SearchServiceTest, EndsAfterItsIdleTimeAndStartsAgainWhenAsked) {
  ASSERT_NO_FATAL_FAILURE(StartBus(3));
  // Every call starts the idle time again: calls a second apart keep one
  // process past its idle time.
  ASSERT_EQ(Matches(kQuery).size(), 1);
  const uint first = bus_->OwnerProcess(QString::fromLatin1(kBusName));
  for (int i = 0; i < 4; ++i) {
    std::this_thread::sleep_for(1s);
    ASSERT_EQ(Matches(kQuery).size(), 1);
  }
  EXPECT_EQ(bus_->OwnerProcess(QString::fromLatin1(kBusName)), first);
  EXPECT_TRUE(WaitFor([&] { return !ServiceRuns(); })) << "still there after its idle time";
  ASSERT_EQ(Matches(kQuery).size(), 1);
  EXPECT_NE(bus_->OwnerProcess(QString::fromLatin1(kBusName)), first);
}

// A category the window hides is not offered: its conversions answer
// nothing until it is shown again (Inductance is hidden at first).
TEST_F(SearchServiceTest, HiddenCategoriesAreNotOffered) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  std::filesystem::create_directories(Folder() / "config" / "Mensura");
  for (const std::string visible : {"", "1", "0"}) {
    WriteBytes(Folder() / "config" / "Mensura" / "Mensura.ini",
               "[Visibility]\nInductance=" + visible);
    EXPECT_EQ(Matches(QStringLiteral("1 H in mH")).size(), visible == "1" ? 1 : 0) << visible;
  }
}

// A call of many ids has the metas of the first kMostMetas, worked out a few
// at a time: a call after it is answered before it ends.
TEST_F(SearchServiceTest, ACallOfManyIdsKeepsNobodyWaiting) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  ASSERT_EQ(Matches(kQuery).size(), 1) << "the service runs";
  QStringList ids;
  for (int i = 0; i < 10000; ++i)
    ids << QString::number(i) + QStringLiteral(" nautical mile 1").repeated(14) +
               " nautical mile in km";
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromLatin1(kBusName), QString::fromLatin1(kObjectPath), QString::fromLatin1(kGnome),
      QStringLiteral("GetResultMetas"));
  call.setArguments({ids});
  QDBusPendingCall many = bus_->Connection().asyncCall(call, 60000);
  EXPECT_EQ(Strings(Call(kGnome, "GetInitialResultSet", {kTerms})), QStringList{kQuery});
  EXPECT_FALSE(many.isFinished()) << "the later call waited for the long one";
  many.waitForFinished();
  const auto metas = Demarshalled<QList<QVariantMap>>(many.reply());
  ASSERT_EQ(metas.size(), GnomeSearchProvider::kMostMetas);
  EXPECT_EQ(metas.back().value(QStringLiteral("id")), ids[GnomeSearchProvider::kMostMetas - 1]);
}

// A unit the window adds is found by the next search: a new file, then the
// same file changed in place.
TEST_F(SearchServiceTest, TheNextSearchReadsTheChangedSettings) {
  ASSERT_NO_FATAL_FAILURE(StartBus());
  const QString query = QStringLiteral("2 smoot in cm");
  EXPECT_TRUE(Matches(query).isEmpty());
  const std::filesystem::path folder = Folder() / "config" / "Mensura";
  std::filesystem::create_directories(folder);
  for (const auto& [value, result] :
       {std::pair{"170.18", "340.36 cm"}, std::pair{"50", "100 cm"}}) {
    WriteBytes(folder / "Mensura.ini",
               std::string("[CustomUnits]\nsmoot=@Distance?val=") + value + "?i=0\n");
    const KRunnerMatches matches = Matches(query);
    ASSERT_EQ(matches.size(), 1) << value;
    EXPECT_EQ(matches[0].text.toStdString(), result);
  }
}

}  // namespace
}  // namespace vantrel::search
