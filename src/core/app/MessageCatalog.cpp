#include "core/app/MessageCatalog.h"

#include <array>

namespace averoz {

namespace {

// The built-in texts, exactly as shown to a Japanese user. The comment after each entry is
// an English gloss (share/English.INI holds the English texts that users see).
constexpr std::array kCatalog = std::to_array<CatalogEntry>({
    {ERRMSG(1), "入力可能な領域がありません。"},  // no area is available for input
    {ERRMSG(2), "波形は保護されています。"},  // the waveform is protected
    {ERRMSG(3), "設定できない値です。"},  // this value cannot be set
    {ERRMSG(4), "ブロック数が最大です。"},  // the number of blocks is at its maximum
    {ERRMSG(5), "選択データ数が足りません。（最小値"},  // too few data selected (minimum value … — the caller completes it
    {ERRMSG(6), "範囲が選択されていません。"},  // no range is selected
    {ERRMSG(7), "コピー領域と貼り付け領域の形が合いません。"},  // copied area and paste area differ in shape
    {ERRMSG(8), "貼り付け位置が指定されていません。"},  // no paste position is given
    {ERRMSG(9), "対象ＣＨは２ＣＨ以上必要です。"},  // at least two target channels are needed
    {ERRMSG(10), "対象ＣＨを選択して下さい。"},  // select the target channel
    {ERRMSG(11), "対象ＣＨを選択して下さい。"},  // select the target channel
    {ERRMSG(12), "有効なデータがありません。"},  // no valid data
    {ERRMSG(13), "無効なデータです。値０としました。"},  // invalid data; the value was set to 0
    {ERRMSG(14), "無効なデータがありました。続けますか？"},  // there was invalid data; continue?
    {ERRMSG(15), "ファイル名は半角英数字８文字以内にして下さい。"},  // use at most eight half-width letters and digits for the file name
    {ERRMSG(16), "ファイル形式が違います。"},  // wrong file format
    {ERRMSG(17), "ファイルが存在しません。"},  // the file does not exist
    {ERRMSG(18), "未描画領域は編集できません。"},  // an undrawn area cannot be edited
    {ERRMSG(20), "この機種には対応していません"},  // this model is not supported
    {ERRMSG(21), "転送中断または失敗しました"},  // transfer aborted or failed
    {ERRMSG(22), "通信エラーです"},  // communication error
    {ERRMSG(23), "は既に存在します。"},  // already exists (after a file name)
    {ERRMSG(24), "上書きしますか？"},  // overwrite?
    {ERRMSG(27), "これ以上ウインドウを開けません。"},  // no more windows can be opened
    {ERRMSG(28), "貼り付け可能ＣＨ数"},  // number of channels that can be pasted
    {ERRMSG(29), "ヘルプファイルが見つかりません。"},  // help file not found
    {ERRMSG(30), "拡張子は固定です。自動的に付加されます。"},  // the extension is fixed; it is added automatically
    {ERRMSG(31), "データ数が足りません。"},  // not enough data
    {ERRMSG(32), "振幅がありません。"},  // there is no amplitude
    {ERRMSG(33), "ドライブが見つかりません。"},  // no drive found
    {ERRMSG(34), "作成できませんでした。"},  // could not be created
    {ERRMSG(35), "データ全体を読み込めませんでした。"},  // not all of the data could be read
    {IMFMSG(1), "１０ｋ以降のデータは破棄されます。よろしいですか？"},  // data after 10k will be discarded; all right?
    {IMFMSG(2), "は変更されています。保存しますか？"},  // has been changed; save it? (after a caption)
    {IMFMSG(3), "選択チャンネルの最後部が設定データ長分破棄されます。よろしいですか？"},  // the end of the selected channels is discarded by the set length; all right?
    {IMFMSG(5), "ペアＣＨが同時編集対象になっています。自動反転処理を一時中断します。"},  // pair channels are edited together; automatic inversion is suspended
    {IMFMSG(6), "最大データ長をオーバーしています。オーバーしたデータは無視されました。"},  // the maximum data length is exceeded; the excess was ignored
    {IMFMSG(7), "個のデータを読み込みました。"},  // data items were read (after the count)
    {IMFMSG(8), "未編集部分の値を設定して下さい。"},  // set the values of the unedited part
    {IMFMSG(9), "保存しました。"},  // saved
    {IMFMSG(10), "転送設定をして下さい。"},  // set up the transfer
    {IMFMSG(11), "バイナリ形式で保存して下さい。"},  // save in binary format
    {IMFMSG(12), "転送しています．．．"},  // transferring …
    {IMFMSG(13), "設定しています（約30秒かかります）"},  // setting (takes about 30 seconds)
    {IMFMSG(14), "転送完了しました"},  // transfer completed
    {IMFMSG(15), "全てクリアします。よろしいですか？"},  // everything will be cleared; all right?
    {IMFMSG(16), "保護は解除されます。よろしいですか？"},  // protection will be released; all right?
    {IMFMSG(17), "自動反転処理と矛盾します。続けますか？"},  // conflicts with automatic inversion; continue?
    {IMFMSG(18), "選択範囲をクリアします。よろしいですか？"},  // the selected range will be cleared; all right?
    {IMFMSG(19), "が存在しません。作成しますか？"},  // does not exist; create it? (after a folder)
    {IMFMSG(21), "LOCALボタンを押して下さい。"},  // press the LOCAL button
    {IMFMSG(22), "秒以上待つか、電源を入れ直してから転送を再開して下さい。"},  // wait that many seconds or more, or switch the power off and on, then restart the transfer (after a number)
    {GPMSG(1), "ＧＰＩＢライブラリが見つかりません。"},  // GPIB library not found
    {GPMSG(2), "ＧＰＩＢライブラリのロードでエラーが発生しました。"},  // error while loading the GPIB library
    {GPMSG(3), "デバイスに書き込めません。"},  // cannot write to the device
    {GPMSG(4), "デバイスから読み込めません。"},  // cannot read from the device
    {GPMSG(5), "デバイスがオープンできません。"},  // cannot open the device
    {GPMSG(6), "デバイスがクリアできません。"},  // cannot clear the device
});

}  // namespace

std::span<const CatalogEntry> Catalog() { return kCatalog; }

const char* BuiltInText(MessageId id) {
  for (const CatalogEntry& e : kCatalog)
    if (e.id == id) return e.text;
  return nullptr;
}

}  // namespace averoz
