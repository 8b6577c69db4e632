#include "MciError.h"

#include <map>

namespace gb {

bool MciGetErrorString(uint32_t code, std::string& text) {
    static const std::map<uint32_t, const char*> texts = {
        {MCIERR_INVALID_DEVICE_ID, "無効な MCI デバイス ID です。デバイスを開いたときに返された ID を使ってください。"},
        {MCIERR_UNRECOGNIZED_KEYWORD, "コマンドのパラメータを認識できません。"},
        {MCIERR_UNRECOGNIZED_COMMAND, "このコマンドを認識できません。"},
        {MCIERR_HARDWARE, "メディア デバイスでハードウェアのエラーが起きました。"},
        {MCIERR_INVALID_DEVICE_NAME, "指定されたデバイスは開かれていないか、MCI が認識できません。"},
        {MCIERR_OUT_OF_MEMORY, "この操作を行うためのメモリが足りません。"},
        {MCIERR_DEVICE_OPEN, "このデバイス名はこのアプリケーションで既にエイリアスとして使われています。固有のエイリアスを使ってください。"},
        {MCIERR_CANNOT_LOAD_DRIVER, "デバイス ドライバを読み込めませんでした。"},
        {MCIERR_MISSING_COMMAND_STRING, "コマンドが指定されていません。"},
        {MCIERR_PARAM_OVERFLOW, "出力文字列が長すぎて、返答用のバッファに収まりません。"},
        {MCIERR_MISSING_STRING_ARGUMENT, "コマンドに文字列のパラメータが必要です。"},
        {MCIERR_BAD_INTEGER, "指定された整数が正しくありません。"},
        {MCIERR_PARSER_INTERNAL, "コマンドの解析中に内部エラーが起きました。"},
        {MCIERR_DRIVER_INTERNAL, "デバイス ドライバで内部エラーが起きました。"},
        {MCIERR_MISSING_PARAMETER, "コマンドにパラメータが足りません。"},
        {MCIERR_UNSUPPORTED_FUNCTION, "このデバイスは指定されたコマンドを使えません。"},
        {MCIERR_FILE_NOT_FOUND, "指定されたファイルが見つかりません。パスとファイル名を確かめてください。"},
        {MCIERR_DEVICE_NOT_READY, "デバイスの準備ができていません。"},
        {MCIERR_INTERNAL, "MCI の初期化中に問題が起きました。"},
        {MCIERR_DRIVER, "デバイス ドライバでエラーが起きました。"},
        {MCIERR_CANNOT_USE_ALL, "このコマンドではデバイス名に all を使えません。"},
        {MCIERR_MULTIPLE, "複数のデバイスでエラーが起きました。"},
        {MCIERR_EXTENSION_NOT_FOUND, "ファイルの拡張子からデバイスの種類を決められません。"},
        {MCIERR_OUTOFRANGE, "指定された値がこのコマンドの範囲外です。"},
        {MCIERR_FLAGS_NOT_COMPATIBLE, "同時に使えないパラメータが指定されました。"},
        {MCIERR_FILE_NOT_SAVED, "ファイルを保存できませんでした。"},
        {MCIERR_DEVICE_TYPE_REQUIRED, "デバイスの種類を指定してください。"},
        {MCIERR_DEVICE_LOCKED, "デバイスは閉じられている途中です。しばらくしてからやり直してください。"},
        {MCIERR_DUPLICATE_ALIAS, "このエイリアスは既に使われています。固有のエイリアスを使ってください。"},
        {MCIERR_BAD_CONSTANT, "コマンドのパラメータの値が正しくありません。"},
        {MCIERR_MUST_USE_SHAREABLE, "このデバイスは使用中です。共有で開いてください。"},
        {MCIERR_MISSING_DEVICE_NAME, "デバイス名かエイリアスを指定してください。"},
        {MCIERR_BAD_TIME_FORMAT, "指定された時間の形式が正しくありません。"},
        {MCIERR_NO_CLOSING_QUOTE, "引用符が閉じられていません。"},
        {MCIERR_DUPLICATE_FLAGS, "同じパラメータが二度指定されました。"},
        {MCIERR_INVALID_FILE, "指定されたファイルはこのデバイスでは再生できません。ファイルが壊れているか、形式が正しくありません。"},
        {MCIERR_NULL_PARAMETER_BLOCK, "パラメータ ブロックが指定されていません。"},
        {MCIERR_UNNAMED_RESOURCE, "名前のないファイルは保存できません。ファイル名を指定してください。"},
        {MCIERR_NEW_REQUIRES_ALIAS, "new を使うときはエイリアスを指定してください。"},
        {MCIERR_NOTIFY_ON_AUTO_OPEN, "自動で開かれたデバイスには notify を使えません。"},
        {MCIERR_NO_ELEMENT_ALLOWED, "このデバイスではファイル名を使えません。"},
        {MCIERR_NONAPPLICABLE_FUNCTION, "今の状態ではこのコマンドを実行できません。"},
        {MCIERR_ILLEGAL_FOR_AUTO_OPEN, "自動で開かれたデバイスにはこのコマンドを使えません。"},
        {MCIERR_FILENAME_REQUIRED, "ファイル名が正しくありません。"},
        {MCIERR_EXTRA_CHARACTERS, "引用符で囲まれた文字列の後に余分な文字があります。"},
        {MCIERR_DEVICE_NOT_INSTALLED, "指定されたデバイスはこのシステムにありません。"},
        {MCIERR_NO_INTEGER, "パラメータに整数が必要です。"},
        {MCIERR_WAVE_INPUTSUNSUITABLE, "録音に使えるオーディオ入力デバイスがありません。"},
        {MCIERR_SEQ_NOMIDIPRESENT, "MIDI を演奏する音源がありません。音色ファイル (サウンドフォント) が見つかりません。"},
        {MCIERR_NO_WINDOW, "表示用のウィンドウがありません。"},
        {MCIERR_FILE_READ, "ファイルを読み込めませんでした。"},
        {MCIERR_FILE_WRITE, "ファイルに書き込めませんでした。"},
    };
    auto found = texts.find(code);
    if (found == texts.end()) {
        text.clear();
        return false;
    }
    text = found->second;
    return true;
}

} // namespace gb
