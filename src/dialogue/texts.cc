// The message table. The source is UTF-8; the compiler stores every literal
// in cp932 (-fexec-charset=CP932), which is what the console gets.
#include "dialogue/texts.h"

namespace text {

const T BANNER             = "ポテリムの外部板登録用のテキストを新規作成・追加編集します\n";
const T MODE_QUESTION      = "新規作成であれば1を、uho.txtに追加するのであれば2を入力してくださいな…";
const T INVALID_CHOICE     = "1と2以外のキーが押されました\n";
const T CLOSING            = "このまま終了します\n";
const T OPEN_FAILED        = "ファイルオープンに失敗したんです＞＜\n";
const T OPEN_FAILED_APPEND = "ファイルオープンに失敗したんです＞＜\nuho.txtがあるかどうか確認してください\n";
const T NEW_LIST_HEADING   = "ポテリムの外部板登録用テキストを新規作成します\n";
const T APPEND_NOTICE      = "前回と同じカテゴリの入力ができませんので、カテゴリ名を入力して下さい\n";
const T CATEGORY_PROMPT    = "カテゴリ名を入力してくださいな…";
const T BOARD_PROMPT       = "板名…";
const T URL_PROMPT         = "URL…";
const T WRITTEN            = "ファイルへの出力が完了しました\n";
const T MORE_FIRST         = "同じカテゴリの登録を続けるなら1、止めるなら0を入力してくださいな…";
const T MORE_FIRST_AGAIN   = "引き続き同じカテゴリの板の登録を続けるなら1、このカテゴリへの登録を止めるなら0を入力してくださいな…";
const T MORE_APPEND        = "同じカテゴリの登録を続けるなら1、登録を終了するなら0を入力してくださいな…";
const T MORE_SECOND        = "引き続き同じカテゴリの板の登録を続けるなら1、止めるなら0を入力してくださいな…";
const T ANOTHER_CATEGORY   = "違うカテゴリの登録をするなら1、このまま終了するなら0を入力して下さいな…";
const T NAME_AFTER_FIRST   = "最初に入力したカテゴリ名をファイル名にしてよろしいですか？（カテゴリ名.txtにします)\n";
const T NAME_CHOICE        = "別に新たにファイル名をつけるのであれば1を、構わなければ0を入力してくださいな…";
const T RENAME_QUESTION    = "uho.txtからファイル名を変更するのなら1、このまま終了するなら0を入力してくださいな…";
const T FILE_NAME_PROMPT   = "付けるファイル名(.txtはいらないです)…";
const T NAME_CHANGED       = "uho.txtを%sに変更しました\n";
const T TOO_LONG           = "入力が長すぎます（%dバイトまでです）\n";
const T WRITE_FAILED       = "ファイルへの書き込みに失敗したんです＞＜\n";

}  // namespace text
