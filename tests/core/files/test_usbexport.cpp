// Save To USB Memory without widgets: which drive is taken, the instrument's folder per kind,
// creating it, and the repeat when Save As wants another run. Temporary folders are the sticks.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/app/IniFile.h"
#include "core/app/general.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/SaveFakes.h"
#include "core/files/UsbExport.h"
#include "core/files/WaveFile.h"
#include "support/FakeDrives.h"

namespace averoz {
namespace {

namespace fs = std::filesystem;
using test::FakeDrives;
using test::FakeDocument;

class FakeDriveDialog : public DriveDialog {
 public:
  std::optional<std::string> answer;  // empty: Cancel
  int opened = 0;
  std::optional<std::string> Choose(const std::vector<RemovableDrive>&) override {
    ++opened;
    return answer;
  }
};

std::vector<RemovableDrive> Drives(std::initializer_list<const char*> roots) {
  std::vector<RemovableDrive> out;
  for (const char* r : roots) out.push_back({r, "STICK"});
  return out;
}

TEST(UsbDriveChoice, RemembersOnlyWhatTheRulesAllow) {
  struct Case {
    const char* name;
    std::vector<RemovableDrive> drives;
    std::string remembered;
    std::optional<std::string> dialogAnswer;
    std::string expected;
    int dialogOpened;
    bool noDrive;
  };
  const Case cases[] = {
      {"no drive", {}, "/media/a", "/media/a", "", 0, true},
      {"one drive, first export", Drives({"/media/a"}), "", "/media/a", "/media/a", 1, false},
      {"one drive, remembered", Drives({"/media/a"}), "/media/a", std::nullopt, "/media/a", 0, false},
      {"one drive, another remembered", Drives({"/media/b"}), "/media/a", "/media/b", "/media/b", 1,
       false},
      {"one drive, dialog cancelled", Drives({"/media/a"}), "", std::nullopt, "", 1, false},
      {"two drives, first export", Drives({"/media/a", "/media/b"}), "", "/media/b", "/media/b", 1,
       false},
      {"two drives, remembered one gone", Drives({"/media/a", "/media/b"}), "/media/gone",
       std::nullopt, "/media/gone", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScriptedPrompter prompter;
    FakeDriveDialog dialog;
    dialog.answer = c.dialogAnswer;
    EXPECT_EQ(ChooseDrive(c.drives, c.remembered, dialog, prompter), c.expected);
    EXPECT_EQ(dialog.opened, c.dialogOpened);
    EXPECT_EQ(prompter.asked, c.noDrive ? std::vector<MessageId>{ERRMSG(33)} : std::vector<MessageId>{});
  }
}

TEST(UsbFolderPath, KindsFolderBelowTheMountPoint) {
  EXPECT_EQ(UsbFolder("/media/u/STICK", 0), "/media/u/STICK/XJ/MOD_WAV");
  EXPECT_EQ(UsbFolder("/media/u/STICK", 1), "/media/u/STICK/XJ/OPE_WAV");
  EXPECT_EQ(UsbFolder("/media/u/STICK", 2), "/media/u/STICK/XJ/PPG_WAV");
  EXPECT_EQ(UsbFolder("/", 0), "/XJ/MOD_WAV");
}

// Runs onAsk after each question is answered: the user acting while a box is open.
class HookedPrompter : public test::ScriptedPrompter {
 public:
  std::function<void(MessageId)> onAsk;
  Answer ask(const Message& message, Buttons buttons, Icon icon) override {
    const Answer a = ScriptedPrompter::ask(message, buttons, icon);
    if (onAsk) onAsk(message.id);
    return a;
  }
};

class UsbExportTest : public ::testing::Test {
 protected:
  test::TempDir stick;
  HookedPrompter prompter;
  test::ScriptedDialog saveDialog;
  FakeDriveDialog driveDialog;
  FakeDrives drives;
  IniFile settings{stick / "none.INI"};
  SaveContext ctx{prompter, saveDialog, settings, "Japanese", {}, {}};
  std::string usbDrive;

  void SetUp() override {
    drives.drives = {{stick.path().string(), "STICK"}};
    driveDialog.answer = stick.path().string();
  }
  std::string Folder(const char* kind) const { return stick / (std::string("XJ/") + kind); }
  void Choose(const std::string& path) { saveDialog.choices.push_back({path, 1}); }
};

// Each kind goes to its own folder, which is made on Yes; the save dialog opens there with
// the document's name.
TEST_F(UsbExportTest, MissingFolderIsCreatedOnYesAndTheDocumentSavedThere) {
  const std::pair<int, const char*> kinds[] = {{0, "MOD_WAV"}, {1, "OPE_WAV"}, {2, "PPG_WAV"}};
  for (const auto& [kind, folder] : kinds) {
    SCOPED_TRACE(folder);
    FakeDocument doc(kind, "doc");
    Choose(Folder(folder) + "/out");
    prompter.asked.clear();
    prompter.messages.clear();
    SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, IMFMSG(19));
    EXPECT_EQ(prompter.messages[0].prefix, Folder(folder));
    EXPECT_EQ(saveDialog.requests.back().fileName, Folder(folder) + "/doc");
    EXPECT_EQ(doc.fileName(), Folder(folder) + "/out" + KindExtension(kind));
    EXPECT_TRUE(fs::is_regular_file(doc.fileName()));
    EXPECT_TRUE(doc.isSaved());
    EXPECT_EQ(usbDrive, stick.path().string());
  }
  // One stick and it is remembered: the dialog opened only for the first export.
  EXPECT_EQ(driveDialog.opened, 1);
}

TEST_F(UsbExportTest, NoToTheFolderQuestionWritesNothing) {
  FakeDocument doc(0, "doc");
  prompter.answers = {Answer::No};
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

  EXPECT_EQ(prompter.asked, std::vector<MessageId>{IMFMSG(19)});
  EXPECT_TRUE(saveDialog.requests.empty());
  EXPECT_FALSE(fs::exists(stick / "XJ"));
  EXPECT_EQ(usbDrive, stick.path().string());
}

// A folder that cannot be made (a file stands where "XJ" should be; this fails for root too).
TEST_F(UsbExportTest, FolderThatCannotBeMadeIsReported) {
  test::WriteText(stick / "XJ", "not a folder");
  FakeDocument doc(2, "doc");
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

  EXPECT_EQ(prompter.asked, (std::vector<MessageId>{IMFMSG(19), ERRMSG(34)}));
  EXPECT_TRUE(saveDialog.requests.empty());
  EXPECT_FALSE(doc.isSaved());
}

// Two sticks, the remembered one pulled out: its empty mount point still exists on the system
// disk, but nothing is made there.
TEST_F(UsbExportTest, RememberedDriveThatIsGoneGetsNoFolder) {
  test::TempDir other, gone;
  drives.drives = {{stick.path().string(), "A"}, {other.path().string(), "B"}};
  usbDrive = gone.path().string();
  FakeDocument doc(0, "doc");
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

  EXPECT_EQ(driveDialog.opened, 0);
  EXPECT_EQ(prompter.asked, (std::vector<MessageId>{IMFMSG(19), ERRMSG(34)}));
  EXPECT_FALSE(fs::exists(gone / "XJ"));
  EXPECT_TRUE(saveDialog.requests.empty());
}

TEST_F(UsbExportTest, NoDriveAndCancelledChoiceForgetTheDrive) {
  FakeDocument doc(0, "doc");
  usbDrive = "/media/old";
  drives.drives.clear();
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);
  EXPECT_EQ(prompter.asked, std::vector<MessageId>{ERRMSG(33)});
  EXPECT_EQ(usbDrive, "");

  drives.drives = {{stick.path().string(), "STICK"}};
  driveDialog.answer.reset();
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);
  EXPECT_EQ(driveDialog.opened, 1);
  EXPECT_EQ(usbDrive, "");
  EXPECT_TRUE(saveDialog.requests.empty());
}

// A declined overwrite runs the whole step again: the save dialog reopens in the folder, and
// the folder question comes back only when the folder has gone meanwhile.
TEST_F(UsbExportTest, DeclinedOverwriteRepeatsFromTheFolderTest) {
  fs::create_directories(Folder("MOD_WAV"));
  test::WriteText(Folder("MOD_WAV") + "/old.awf", "keep");
  FakeDocument doc(0, "doc");
  Choose(Folder("MOD_WAV") + "/old");
  Choose(Folder("MOD_WAV") + "/new");
  prompter.answers = {Answer::No};  // the overwrite question
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

  EXPECT_EQ(prompter.asked, std::vector<MessageId>{ERRMSG(23)});
  ASSERT_EQ(saveDialog.requests.size(), 2u);
  EXPECT_EQ(saveDialog.requests[1].fileName, Folder("MOD_WAV") + "/doc");
  EXPECT_EQ(test::ReadText(Folder("MOD_WAV") + "/old.awf"), "keep");
  EXPECT_EQ(test::ReadAll(Folder("MOD_WAV") + "/new.awf").size(), kWaveFileSize);

}

TEST_F(UsbExportTest, FolderGoneAfterDeclinedOverwriteIsAskedForAgain) {
  fs::create_directories(Folder("PPG_WAV"));
  test::WriteText(Folder("PPG_WAV") + "/old.ppg", "keep");
  FakeDocument doc(2, "doc");
  Choose(Folder("PPG_WAV") + "/old");
  // The stick's folder is deleted (in a file manager) while the overwrite question is open.
  prompter.onAsk = [this](MessageId id) {
    if (id == ERRMSG(23)) fs::remove_all(stick / "XJ");
  };
  prompter.answers = {Answer::No, Answer::No};  // overwrite, create the folder
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

  EXPECT_EQ(prompter.asked, (std::vector<MessageId>{ERRMSG(23), IMFMSG(19)}));
  EXPECT_EQ(saveDialog.requests.size(), 1u);
  EXPECT_FALSE(doc.isSaved());
}

// Cancel at the extension warning of a waveform document is another "run again".
TEST_F(UsbExportTest, CancelledExtensionWarningReopensTheSaveDialog) {
  fs::create_directories(Folder("OPE_WAV"));
  FakeDocument doc(1, "doc");
  Choose(Folder("OPE_WAV") + "/x.txt");
  prompter.answers = {Answer::Cancel};
  SaveToUsb(doc, usbDrive, drives, driveDialog, ctx);

  EXPECT_EQ(prompter.asked, std::vector<MessageId>{ERRMSG(30)});
  EXPECT_EQ(saveDialog.requests.size(), 2u);  // the second is cancelled by the empty script
  EXPECT_FALSE(fs::exists(Folder("OPE_WAV") + "/x.ope"));
}

}  // namespace
}  // namespace averoz
