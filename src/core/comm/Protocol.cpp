#include "core/comm/Protocol.h"

#include <algorithm>

#include "core/app/MessageId.h"
#include "core/app/general.h"

namespace averoz {

namespace {

constexpr std::string_view kMemoryCommand = ":ARB:DATA:MEM";

// Characters 1..32 separate fields; a zero byte ends the text.
bool IsSeparator(unsigned char c) { return c >= 1 && c <= 32; }

}  // namespace

std::optional<std::string> DelimiterFor(int setting) {
  if (setting == 0) return std::string("\r\n");
  if (setting == 1) return std::string("\n");
  return std::nullopt;
}

std::string BuildStoreHeader(std::string_view memory, std::size_t count) {
  std::string header(kMemoryCommand);
  header += memory;
  header += " #8";
  header += ZeroPad(static_cast<std::int32_t>(count), 8);
  return header;
}

std::string BuildFetchQuery(std::string_view memory) {
  std::string query(kMemoryCommand);
  query += memory;
  query += '?';
  return query;
}

std::size_t IdentityReplyLength(std::string_view delimiter) { return 23 + delimiter.size(); }
std::size_t AcknowledgeReplyLength(std::string_view delimiter) { return 2 + delimiter.size(); }

bool IsAcknowledged(std::string_view reply, std::string_view delimiter) {
  std::string wanted = "+1";
  wanted += delimiter;
  return reply.find(wanted) != std::string_view::npos;
}

std::vector<std::string> SplitCommaList(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> fields;
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto skipSeparators = [&] {
    while (i < n && IsSeparator(static_cast<unsigned char>(text[i]))) ++i;
  };
  skipSeparators();
  while (i < n) {
    std::string field;
    if (text[i] == '"') {
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
    } else {
      const std::size_t start = i;
      while (i < n && !IsSeparator(static_cast<unsigned char>(text[i])) && text[i] != ',') ++i;
      field.assign(text.substr(start, i - start));
    }
    fields.push_back(std::move(field));
    skipSeparators();
    if (i < n && text[i] == ',') {
      ++i;
      skipSeparators();
    }
  }
  return fields;
}

std::optional<Message> IdentityProblem(std::string_view reply, std::string_view modelPrefix) {
  const std::vector<std::string> fields = SplitCommaList(reply);
  if (fields.size() < 2) return Message{ERRMSG(20), {}, {}};
  const std::string& model = fields[1];
  if (!modelPrefix.empty() && !model.starts_with(modelPrefix)) {
    return Message{ERRMSG(20), model + ":", {}};
  }
  return std::nullopt;
}

bool CheckIdentity(std::string_view reply, std::string_view modelPrefix, Prompter& prompter) {
  const std::optional<Message> problem = IdentityProblem(reply, modelPrefix);
  if (problem) prompter.warn(*problem);
  return !problem;
}

std::vector<std::uint8_t> BuildPayload(std::span<const std::int32_t> samples) {
  std::vector<std::uint8_t> payload;
  payload.reserve(samples.size() * 2);
  for (std::int32_t sample : samples) {
    payload.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    payload.push_back(static_cast<std::uint8_t>(sample & 0xFF));
  }
  return payload;
}

std::vector<std::uint8_t> BuildPayload(std::span<const std::uint8_t> patternFileImage) {
  return {patternFileImage.begin(), patternFileImage.end()};
}

int DecodeReceivedBlock(std::span<const std::uint8_t> received, std::vector<std::int32_t>& words) {
  if (received.size() < kBlockCount) return -1;
  words.resize(kBlockWords);
  for (std::size_t i = 0; i < kBlockWords; ++i) {
    words[i] = (static_cast<std::int32_t>(received[2 * i]) << 8) | received[2 * i + 1];
  }
  return static_cast<int>(kBlockWords);
}

BlockHeader ParseBlockHeader(std::span<const std::uint8_t> firstBytes) {
  BlockHeader header;
  if (firstBytes.size() < 2 || firstBytes[0] != '#' || firstBytes[1] != '8') return header;
  const std::size_t end = std::min(firstBytes.size(), kBlockHeaderLength);
  header.countText.assign(firstBytes.begin() + 2, firstBytes.begin() + end);
  // Eight digits at most, so the count always fits; signs and blanks are not digits.
  if (header.countText.size() != 8 || !IsDigits(header.countText)) {
    header.status = HeaderStatus::BadCount;
    return header;
  }
  header.status = HeaderStatus::Ok;
  header.count = std::stoul(header.countText);
  return header;
}

std::string CountConversionError(std::string_view countText) {
  std::string text = "'";
  for (char c : countText) {
    // Control bytes of a broken header would garble the message box.
    text += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
  }
  text += "' is not a valid byte count";
  return text;
}

}  // namespace averoz
