// What the program is expected to say, written in UTF-8 and encoded to cp932
// by iconv: a wrong byte in the program's own table cannot hide here.
#pragma once

#include <string>
#include <string_view>

#include "harness.h"

namespace said {

using e2e::sjis;

inline const std::string BANNER = sjis("ポテリムの外部板登録用のテキストを新規作成・追加編集します\n");
inline const std::string MODE_QUESTION = sjis("新規作成であれば1を、uho.txtに追加するのであれば2を入力してくださいな…");
inline const std::string INVALID_CHOICE = sjis("1と2以外のキーが押されました\n");
inline const std::string CLOSING = sjis("このまま終了します\n");
inline const std::string OPEN_FAILED = sjis("ファイルオープンに失敗したんです＞＜\n");
inline const std::string OPEN_FAILED_APPEND = sjis("ファイルオープンに失敗したんです＞＜\nuho.txtがあるかどうか確認してください\n");
inline const std::string NEW_LIST_HEADING = sjis("ポテリムの外部板登録用テキストを新規作成します\n");
inline const std::string APPEND_NOTICE = sjis("前回と同じカテゴリの入力ができませんので、カテゴリ名を入力して下さい\n");
inline const std::string CATEGORY_PROMPT = sjis("カテゴリ名を入力してくださいな…");
inline const std::string BOARD_PROMPT = sjis("板名…");
inline const std::string URL_PROMPT = sjis("URL…");
inline const std::string WRITTEN = sjis("ファイルへの出力が完了しました\n");
inline const std::string MORE_FIRST = sjis("同じカテゴリの登録を続けるなら1、止めるなら0を入力してくださいな…");
inline const std::string MORE_FIRST_AGAIN = sjis("引き続き同じカテゴリの板の登録を続けるなら1、このカテゴリへの登録を止めるなら0を入力してくださいな…");
inline const std::string MORE_APPEND = sjis("同じカテゴリの登録を続けるなら1、登録を終了するなら0を入力してくださいな…");
inline const std::string MORE_SECOND = sjis("引き続き同じカテゴリの板の登録を続けるなら1、止めるなら0を入力してくださいな…");
inline const std::string ANOTHER_CATEGORY = sjis("違うカテゴリの登録をするなら1、このまま終了するなら0を入力して下さいな…");
inline const std::string NAME_AFTER_FIRST = sjis("最初に入力したカテゴリ名をファイル名にしてよろしいですか？（カテゴリ名.txtにします)\n");
inline const std::string NAME_CHOICE = sjis("別に新たにファイル名をつけるのであれば1を、構わなければ0を入力してくださいな…");
inline const std::string RENAME_QUESTION = sjis("uho.txtからファイル名を変更するのなら1、このまま終了するなら0を入力してくださいな…");
inline const std::string FILE_NAME_PROMPT = sjis("付けるファイル名(.txtはいらないです)…");
inline const std::string WRITE_FAILED = sjis("ファイルへの書き込みに失敗したんです＞＜\n");

// NAME_CHANGED with the final name as typed (cp932 bytes).
inline std::string name_changed(std::string_view name)
{
    return sjis("uho.txtを") + std::string(name) + sjis("に変更しました\n");
}

inline std::string too_long(int limit)
{
    return sjis("入力が長すぎます（" + std::to_string(limit) + "バイトまでです）\n");
}

// Sequences that many runs share.
inline const std::string START = BANNER + MODE_QUESTION;
inline const std::string NEW = START + NEW_LIST_HEADING;
inline const std::string APPEND = START + APPEND_NOTICE;
inline const std::string BOARD = BOARD_PROMPT + URL_PROMPT + WRITTEN;
inline const std::string FIRST = CATEGORY_PROMPT + BOARD;
inline const std::string NAMING = NAME_AFTER_FIRST + NAME_CHOICE;
inline const std::string INPUT_ENDED = "\n" + CLOSING;

}  // namespace said
