#include "core/files/SaveFlow.h"

#include <filesystem>

#include "core/app/MessageCatalog.h"
#include "core/app/general.h"
#include "core/files/CsvExport.h"
#include "core/files/FileNames.h"
#include "core/files/PatternFile.h"
#include "core/files/VcdExport.h"
#include "core/files/WavExport.h"
#include "core/files/WaveFile.h"

namespace averoz {

namespace {

constexpr int kPatternKind = 2;
constexpr const char* kCsvExt = ".csv";
constexpr const char* kWavExt = ".wav";
constexpr const char* kVcdExt = ".vcd";

bool IsPattern(const SavableDocument& doc) { return doc.docKind() == kPatternKind; }

// The third filter's format: a waveform as sound, a pattern for logic viewers.
std::string ThirdExport(const SavableDocument& doc) { return IsPattern(doc) ? kVcdExt : kWavExt; }

std::string JoinFolder(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : folder + "/" + name;
}

std::string WithoutTitleMark(std::string caption) {
  if (!caption.empty() && caption.back() == '*') caption.pop_back();
  return caption;
}

// The chosen name has an extension, and it is not ext.
bool OtherExtension(const std::string& chosen, const std::string& ext) {
  const std::string typed = ExtensionOf(chosen);
  return !typed.empty() && LowerAscii(typed) != ext;
}

Message FixedExtension(const std::string& ext) { return {ERRMSG(30), "", "( " + ext + " )"}; }

// "<path>は既に存在します。" CR LF "上書きしますか？": Yes when the file may be replaced.
bool MayReplace(const std::string& path, SaveContext& ctx) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  const Message question{ERRMSG(23), path,
                         "\r\n" + MessageText(ERRMSG(24), ctx.language, ctx.settings)};
  return ctx.prompter.ask(question, Buttons::YesNo, Icon::Warning) == Answer::Yes;
}

// Sets the busy pointer for its lifetime, whatever way the scope is left.
class BusyPointer {
 public:
  explicit BusyPointer(const std::function<void(bool)>& busy) : busy_(busy) {
    if (busy_) busy_(true);
  }
  ~BusyPointer() {
    if (busy_) busy_(false);
  }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  const std::function<void(bool)>& busy_;
};

void SavedStatus(SaveContext& ctx) {
  ctx.prompter.status(MessageText(IMFMSG(9), ctx.language, ctx.settings));
}

bool WriteBinary(SavableDocument& doc, const std::string& path, SaveContext& ctx) {
  const FileWriteResult r = IsPattern(doc) ? WritePatternFile(doc.bits(), path, ctx.settings)
                                           : WriteWaveFile(doc.samples(), path, ctx.settings);
  if (!r.ok) {
    ctx.prompter.showText(r.error, Icon::Warning);
    return false;
  }
  doc.MarkSaved();
  if (ctx.addRecentFile) ctx.addRecentFile(path);
  SavedStatus(ctx);
  return true;
}

bool SaveBinaryBranch(SavableDocument& doc, const std::string& chosen, const std::string& ext,
                      const std::string& before, SaveContext& ctx) {
  if (OtherExtension(chosen, ext)) {
    if (IsPattern(doc)) {
      ctx.prompter.warn(FixedExtension(ext));
    } else if (ctx.prompter.ask(FixedExtension(ext), Buttons::OkCancel, Icon::Warning) !=
               Answer::Ok) {
      doc.setFileName(before);
      return false;
    }
  }
  doc.setFileName(WithoutExtension(chosen) + ext);
  if (IsPattern(doc)) doc.setCaption(BareFileName(chosen));
  if (!MayReplace(doc.fileName(), ctx)) {
    doc.setFileName(before);
    return false;
  }
  const bool written = WriteBinary(doc, doc.fileName(), ctx);
  if (!IsPattern(doc)) doc.setCaption(BareFileName(chosen));
  if (!written) doc.setFileName(before);
  return true;
}

FileWriteResult WriteExport(const SavableDocument& doc, const std::string& ext,
                            const std::string& target, SaveContext& ctx) {
  if (ext == kCsvExt)
    return IsPattern(doc) ? WritePatternCsv(doc.bits(), target)
                          : WriteWaveCsv(doc.samples(), target);
  return IsPattern(doc) ? WriteVcdFile(doc.bits(), target, ReadVcdTimeStep(ctx.settings))
                        : WriteWavFile(doc.samples(), target, ReadWavSampleRate(ctx.settings));
}

// The pointer is busy while the export writes and reports success; it is reset before a
// failure box so the box is not shown under a busy pointer. Only a pattern's CSV export
// reports nothing.
void Export(const SavableDocument& doc, const std::string& ext, const std::string& target,
            SaveContext& ctx) {
  FileWriteResult r;
  {
    BusyPointer busy(ctx.busy);
    r = WriteExport(doc, ext, target, ctx);
    if (r.ok && !(IsPattern(doc) && ext == kCsvExt)) SavedStatus(ctx);
  }
  if (!r.ok) ctx.prompter.showText(r.error, Icon::Warning);
}

// After a CSV export the document no longer belongs to a binary file (the next Save asks for
// a name); the other exports leave the document's file as it was.
bool SaveExportBranch(SavableDocument& doc, const std::string& chosen, const std::string& ext,
                      const std::string& before, SaveContext& ctx) {
  const std::string after = ext == kCsvExt ? std::string() : before;
  if (OtherExtension(chosen, ext)) ctx.prompter.warn(FixedExtension(ext));
  const std::string target = WithoutExtension(chosen) + ext;
  if (!MayReplace(target, ctx)) {
    doc.setFileName(after);
    return false;
  }
  Export(doc, ext, target, ctx);
  doc.setFileName(after);
  return true;
}

}  // namespace

std::string SaveFilter(const std::string& ext) {
  const std::string third =
      ext == KindExtension(kPatternKind) ? "|VCD Files(*.vcd)|*.vcd" : "|WAV Files(*.wav)|*.wav";
  return "Binary Files(*" + ext + ")|*" + ext + "|CSV Files(*.csv)|*.csv" + third;
}

bool SaveAsOnce(SavableDocument& doc, const std::string& folder, SaveContext& ctx) {
  if (!IsPattern(doc) && !doc.CheckUndefinedTail()) return true;

  const std::string ext = KindExtension(doc.docKind());
  const std::string before = doc.fileName();
  if (before.empty()) doc.setFileName(JoinFolder(folder, WithoutTitleMark(doc.caption()) + ext));

  SaveDialogRequest request{SaveFilter(ext), 1, {}};
  request.fileName = folder.empty() ? WithoutExtension(doc.fileName())
                                    : JoinFolder(folder, BareFileName(doc.fileName()));
  if (!IsPattern(doc) && BareFileName(doc.fileName()).empty()) request.fileName += ext;

  const std::optional<SaveDialogChoice> choice = ctx.dialog.Run(request);
  if (!choice) {
    doc.setFileName(before);
    return true;
  }
  switch (choice->filterIndex) {
    case 1:
      return SaveBinaryBranch(doc, choice->fileName, ext, before, ctx);
    case 2:
      return SaveExportBranch(doc, choice->fileName, kCsvExt, before, ctx);
    case 3:
      return SaveExportBranch(doc, choice->fileName, ThirdExport(doc), before, ctx);
    default:
      doc.setFileName(before);
      return true;
  }
}

void SaveAs(SavableDocument& doc, const std::string& folder, SaveContext& ctx) {
  while (!SaveAsOnce(doc, folder, ctx)) {
  }
}

bool Save(SavableDocument& doc, SaveContext& ctx) {
  if (doc.fileName().empty()) {
    SaveAs(doc, "", ctx);
  } else if (IsPattern(doc) || doc.CheckUndefinedTail()) {
    WriteBinary(doc, doc.fileName(), ctx);
  }
  return doc.isSaved();
}

}  // namespace averoz
