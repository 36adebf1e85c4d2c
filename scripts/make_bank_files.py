#!/usr/bin/env python3
"""Writes draws 7054-7060 as the bank publishes them into FOLDER: one
A100NNNN.CSV a draw (CP932, CR LF, an A50 block of both games, 令和 dates,
7057 a triple with 該当なし) and the index numbers.csv, newest first. For the
update benchmark and the screenshots; the tests write their own.
    scripts/make_bank_files.py FOLDER
"""
import sys, os
folder = sys.argv[1]
draws = {7054: ("048", 21), 7055: ("315", 24), 7056: ("902", 25), 7057: ("777", 26),
         7058: ("160", 27), 7059: ("483", 28), 7060: ("519", 31)}
def reiwa(y, m, d): return "令和%d年%d月%d日" % (y - 2018, m, d)
for no, (digits, day) in draws.items():
    triple = len(set(digits)) == 1
    t = "A50\r\n第%d回ナンバーズ,数字選択式全国自治宝くじ,%s,東京 宝くじドリーム館\r\n" % (no, reiwa(2026, 8, day))
    t += "支払期間,%sから%sまで\r\n" % (reiwa(2026, 9, 1), reiwa(2027, 9, 1))
    t += "ナンバーズ３抽せん数字,%s\r\nストレート,%s,62口,87100円\r\n" % (digits, digits)
    t += ("ボックス,該当なし\r\nセット（ストレート）,該当なし\r\nセット（ボックス）,該当なし\r\n" if triple else
          "ボックス,253口,29000円\r\nセット（ストレート）,162口,58000円\r\nセット（ボックス）,419口,14500円\r\n")
    t += "ミニ,下２ケタ,468口,8700円\r\nナンバーズ４抽せん数字,6916\r\nストレート,6916,10口,905400円\r\nボックス,該当なし\r\n"
    open(os.path.join(folder, "A100%04d.CSV" % no), "wb").write(t.encode("cp932"))
index = "回別\r\n" + "".join("第%d回\r\n" % no for no in sorted(draws, reverse=True))
open(os.path.join(folder, "numbers.csv"), "wb").write(index.encode("cp932"))
