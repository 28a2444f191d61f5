// The password lock: the key derivation against the test vectors of RFC 7914, the stored
// form, checking a wrong and a right password, the migration of a plain password written by
// an older version, and defining a password.

#include "kit/IniFile.h"
#include "kit/MessageBox.h"
#include "settings/Options.h"
#include "settings/PasswordHash.h"
#include "settings/PasswordLock.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

using namespace kolibra;
using namespace kolibra::settings;

namespace password_test {

// Answers the prompts from a script: nullptr cancels, a text confirms it.
class TScriptedPrompt : public IPasswordPrompt {
 public:
  explicit TScriptedPrompt(std::deque<const char *> answers) : Answers(std::move(answers)) {}
  bool Execute() override {
    ++Calls;
    EXPECT_TRUE(PasswordText.isEmpty()) << "the prompt starts empty";
    EXPECT_FALSE(Answers.empty()) << "an unexpected prompt";
    if (Answers.empty()) return false;
    const char *answer = Answers.front();
    Answers.pop_front();
    if (answer == nullptr) return false;
    PasswordText = QLatin1String(answer);
    return true;
  }
  int Calls = 0;

 private:
  std::deque<const char *> Answers;
};

QString ReadFile(const QString &name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteFile(const QString &name, const QByteArray &text) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}


TEST(PasswordHash, DerivesTheTestVectorsOfRfc7914) {
  // RFC 7914, section 11: PBKDF2-HMAC-SHA256 with 64-byte keys.
  EXPECT_EQ(Pbkdf2Sha256("passwd", "salt", 1, 64).toHex(),
            QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
                       "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"));
  EXPECT_EQ(Pbkdf2Sha256("Password", "NaCl", 80000, 64).toHex(),
            QByteArray("4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
                       "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d"));
}

TEST(PasswordHash, TheStoredFormNamesSchemeIterationsSaltAndHash) {
  const QString stored = HashPassword(QStringLiteral("passwd"), 1, QByteArray("salt"));
  // The first 32 bytes of the RFC's first key, in base64 without padding.
  const QByteArray key = QByteArray::fromHex(
      "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc");
  EXPECT_EQ(stored, QStringLiteral("pbkdf2-sha256$1$c2FsdA$") +
                        QString::fromLatin1(key.toBase64(QByteArray::OmitTrailingEquals)));
  EXPECT_FALSE(stored.contains(QLatin1Char('=')));
  EXPECT_TRUE(VerifyPassword(QStringLiteral("passwd"), stored));
  EXPECT_FALSE(VerifyPassword(QStringLiteral("Passwd"), stored));

  // Two hashes of one password differ by their salt and both verify.
  const QString a = HashPassword(QStringLiteral("Prof2024"), 10);
  const QString b = HashPassword(QStringLiteral("Prof2024"), 10);
  EXPECT_NE(a, b);
  EXPECT_TRUE(VerifyPassword(QStringLiteral("Prof2024"), a));
  EXPECT_TRUE(VerifyPassword(QStringLiteral("Prof2024"), b));
  EXPECT_FALSE(a.contains(QStringLiteral("Prof2024")));
}

TEST(PasswordHash, MalformedStoredValuesMatchNothing) {
  const QString good = HashPassword(QStringLiteral("abc"), 3, QByteArray("0123456789abcdef"));
  const QStringList parts = good.split(QLatin1Char('$'));
  const QString bad[] = {
      QStringLiteral("pbkdf2-sha256$3$") + parts[2],                   // a part missing
      QStringLiteral("pbkdf2-sha1$3$") + parts[2] + '$' + parts[3],     // another scheme
      QStringLiteral("pbkdf2-sha256$0$") + parts[2] + '$' + parts[3],   // no iteration
      QStringLiteral("pbkdf2-sha256$99999999999$") + parts[2] + '$' + parts[3],
      QStringLiteral("pbkdf2-sha256$3$$") + parts[3],                   // no salt
      QStringLiteral("pbkdf2-sha256$3$") + parts[2] + QStringLiteral("$*!"),
      QStringLiteral("pbkdf2-sha256$3$") + parts[2] + QStringLiteral("$QUJD"),  // too short
      QStringLiteral("$"),
  };
  for (const QString &stored : bad) {
    SCOPED_TRACE(stored.toStdString());
    EXPECT_FALSE(VerifyPassword(QStringLiteral("abc"), stored));
  }
  EXPECT_TRUE(VerifyPassword(QStringLiteral("abc"), good));
}

TEST(PasswordHash, ComparesEveryByte) {
  EXPECT_TRUE(ConstantTimeEqual("abc", "abc"));
  EXPECT_TRUE(ConstantTimeEqual("", ""));
  EXPECT_FALSE(ConstantTimeEqual("abc", "abd"));
  EXPECT_FALSE(ConstantTimeEqual("abc", "ab"));
  EXPECT_FALSE(ConstantTimeEqual("ab", "abc"));
  EXPECT_FALSE(ConstantTimeEqual(QByteArray("a\0c", 3), QByteArray("a\0d", 3)));
}

TEST(PasswordLock, ThePasswordBoxTakesUpTo21LettersAndDigits) {
  const struct {
    const char *Text;
    bool Valid;
  } cases[] = {
      {"", true},           {"Prof2024", true},  {"abcdefghijklmnopqrstu", true},
      {"abcdefghijklmnopqrstuv", false},          {"mot de passe", false},
      {"caf\xc3\xa9", false}, {"a-b", false},    {"x!", false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(IsValidPasswordText(QString::fromUtf8(c.Text)), c.Valid) << c.Text;
}

class PasswordLockTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;
  QString FileName() const { return Dir.filePath(QStringLiteral("Kolibra.ini")); }
  TScriptedMessageBox Boxes;
};

TEST_F(PasswordLockTest, WithoutAPasswordTheOptionsOpenWithoutAsking) {
  TOptions options(FileName());
  TScriptedPrompt prompt({});
  EXPECT_TRUE(options.CheckAccess(prompt));
  EXPECT_EQ(prompt.Calls, 0);
}

TEST_F(PasswordLockTest, AWrongPasswordIsRefusedAndARightOneAccepted) {
  TOptions options(FileName());
  options.PasswordIterations = 100;
  TScriptedPrompt define({"Prof2024"});
  ASSERT_TRUE(options.DefinePassword(define));
  options.PasswordEnabled = true;
  ASSERT_TRUE(options.Save());
  EXPECT_FALSE(ReadFile(FileName()).contains(QStringLiteral("Prof2024")));

  TOptions reloaded(FileName());
  ASSERT_TRUE(reloaded.PasswordEnabled);
  TScriptedPrompt prompt({"prof2024", nullptr, "Prof2024"});
  EXPECT_FALSE(reloaded.CheckAccess(prompt));  // the case counts
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text(), QStringLiteral("Wrong password."));
  EXPECT_EQ(Boxes.Last().Icon, icWarning);
  EXPECT_EQ(Boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
  EXPECT_FALSE(reloaded.CheckAccess(prompt));  // cancelled: refused without a word
  EXPECT_EQ(Boxes.Count(), 1);
  EXPECT_TRUE(reloaded.CheckAccess(prompt));
  EXPECT_EQ(Boxes.Count(), 1);
}

TEST_F(PasswordLockTest, APlainPasswordOfAnOlderFileIsHashedAfterItsFirstCheck) {
  WriteFile(FileName(), "[Options]\nCheckBox3ConfirmationQuit_Checked=0\nPassword=Physique\n"
                        "EditMRU_Value=5\n\n[Capture]\nDevice=2\n");
  const QString before = ReadFile(FileName());
  TOptions options(FileName());
  options.PasswordIterations = 100;
  ASSERT_TRUE(options.PasswordEnabled);

  TScriptedPrompt wrong({"physique"});
  EXPECT_FALSE(options.CheckAccess(wrong));
  EXPECT_EQ(ReadFile(FileName()), before);  // nothing learnt, nothing written

  TScriptedPrompt right({"Physique"});
  EXPECT_TRUE(options.CheckAccess(right));
  EXPECT_TRUE(IsPasswordHash(options.Password));
  // Only the password line changed, and it no longer holds the password.
  const QString after = ReadFile(FileName());
  QString expected = before;
  expected.replace(QStringLiteral("Password=Physique"),
                   QStringLiteral("Password=") + options.Password);
  EXPECT_EQ(after, expected);

  // The next start checks against the hash.
  TOptions next(FileName());
  TScriptedPrompt again({"Physique"});
  EXPECT_TRUE(next.CheckAccess(again));
  EXPECT_EQ(next.Password, options.Password);
}

TEST_F(PasswordLockTest, DefiningAPasswordNeedsAConfirmedNonEmptyText) {
  TOptions options(FileName());
  options.PasswordIterations = 50;
  TScriptedPrompt prompt({nullptr, ""});
  EXPECT_FALSE(options.DefinePassword(prompt));
  EXPECT_FALSE(options.DefinePassword(prompt));
  EXPECT_TRUE(options.Password.isEmpty());
}

}  // namespace password_test
