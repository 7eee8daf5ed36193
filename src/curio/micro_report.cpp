#include "curio/micro_report.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

namespace sillabor {

namespace {

using Piece = std::string_view;

constexpr const char* kLegends[kMicroModes] = {
    "Anagrammi e C. (U=Uguali  P=Palindromi A=Anagrammi S=Scambi",
    "Cambi ",
    "Scarti e C. (A = Aggiunta    S = Scarto)",
    "Varie (C = Cambio di Antipodo )",
    "Lucchetto: parola=AB+BC+AC dove il lucchetto e' AB+BC=AC",
};

int DifferentPositions(Piece a, Piece b) {
    int different = 0;
    for (size_t k = 0; k < a.size(); ++k) different += a[k] != b[k];
    return different;
}

bool SameLetters(Piece a, Piece b) {
    int counts[26] = {};
    for (char c : a) ++counts[LetterIndex(c)];
    for (char c : b)
        if (--counts[LetterIndex(c)] < 0) return false;
    return true;
}

bool IsReversed(Piece a, Piece b) { return std::equal(a.begin(), a.end(), b.rbegin(), b.rend()); }

// Whether `shorter` is `longer` without one of its letters.
bool OneRemoved(Piece longer, Piece shorter) {
    size_t k = 0;
    while (k < shorter.size() && longer[k] == shorter[k]) ++k;
    return longer.substr(k + 1) == shorter.substr(k);
}

std::string Joined(Piece a, Piece b) { return std::string(a) + std::string(b); }

class MicroLines {
public:
    MicroLines(CurioRun& run, Piece word) : run_(run), w_(word), h_(word.size() / 2) {}

    void Halves(int mode) {
        const Piece a = w_.substr(0, h_);
        const Piece b = w_.substr(h_);
        switch (mode) {
            case 0:
                if (!SameLetters(a, b)) return;
                Print({Kind(a, b), " : ", w_, " = ", a, " + ", b});
                return;
            case 1:
                if (DifferentPositions(a, b) == 1) Print({w_, " = ", a, " + ", b});
                return;
            case 3:
                if (b[0] != a[0] && IsReversed(a.substr(1), b.substr(1))) Print({"C : ", w_, " = ", a, " + ", b});
                return;
            default:
                Padlocks();
                Charades();
                return;
        }
    }

    // Odd lengths: a scarto from the first half to the second, or an aggiunta.
    void Removal() {
        if (OneRemoved(w_.substr(0, h_ + 1), w_.substr(h_ + 1)))
            Print({"S : ", w_, " = ", w_.substr(0, h_ + 1), " + ", w_.substr(h_ + 1)});
        else if (OneRemoved(w_.substr(h_), w_.substr(0, h_)))
            Print({"A : ", w_, " = ", w_.substr(0, h_), " + ", w_.substr(h_)});
    }

private:
    // Equal halves, one the other reversed, two letters exchanged, or anagrams.
    static Piece Kind(Piece a, Piece b) {
        if (a == b) return "U";
        if (IsReversed(a, b)) return "P";
        return DifferentPositions(a, b) == 2 ? "S" : "A";
    }

    // The word as P1 P3 P3 P2 P1 P2: the lucchetto P1P3 + P3P2 = P1P2.
    void Padlocks() {
        const size_t h = h_;
        for (size_t a = 1; a < h; ++a) {
            for (size_t b = 1; a + b < h; ++b) {
                const size_t c = h - a - b;
                const Piece p1 = w_.substr(0, a);
                const Piece p3 = w_.substr(a, c);
                const Piece p2 = w_.substr(a + 2 * c, b);
                if (w_.substr(a + c, c) != p3 || w_.substr(a + 2 * c + b, a) != p1 || w_.substr(2 * a + 2 * c + b) != p2)
                    continue;
                const std::string x = Joined(p1, p3), y = Joined(p3, p2), z = Joined(p1, p2);
                Print({"L ", w_, " = ", x, " + ", y, " + ", z, " (", x, " + ", y, " = ", z, " )"});
            }
        }
    }

    // The word as P1 P2 P2 P3 P1 P2 P3: P1P2 + P2P3 + P1P2P3.
    void Charades() {
        const size_t length = w_.size();
        for (size_t a = 1; a < h_; ++a) {
            for (size_t c = 1; c < h_ && 2 * a + 2 * c < length; ++c) {
                if ((length - 2 * a - 2 * c) % 3 != 0) continue;
                const size_t b = (length - 2 * a - 2 * c) / 3;
                const Piece p1 = w_.substr(0, a);
                const Piece p2 = w_.substr(a, b);
                const Piece p3 = w_.substr(a + 2 * b, c);
                if (w_.substr(a + b, b) != p2 || w_.substr(a + 2 * b + c, a) != p1 ||
                    w_.substr(2 * a + 2 * b + c, b) != p2 || w_.substr(2 * a + 3 * b + c) != p3)
                    continue;
                run_.PrintFormatted("%d %d %d", static_cast<int>(a), static_cast<int>(b), static_cast<int>(c));
                const std::string x = Joined(p1, p2), y = Joined(p2, p3), z = x + std::string(p3);
                Print({"S ", w_, " = ", x, " + ", y, " + ", z, " (", x, " + ", y, " = ", z, " )"});
            }
        }
    }

    // Prints the pieces joined.
    void Print(std::initializer_list<Piece> pieces) {
        std::string line;
        for (Piece piece : pieces) line += piece;
        run_.out.PrintLine(line);
    }

    CurioRun& run_;
    Piece w_;
    size_t h_;
};

}  // namespace

void MicroReport(CurioRun& run) {
    CurioState& curio = run.curio;
    curio.microMode = (curio.microMode + 1) % kMicroModes;
    const int mode = curio.microMode;

    run.out.PrintString("Microenigmistica (" + std::to_string(mode + 1) + ") Parole che costituiscono un mini-gioco");
    run.out.PrintLine(kLegends[mode]);
    run.out.PrintSeparator();

    const bool oddLengths = mode == 2;
    for (int32_t k = 0; k < run.dict.ClassCount; ++k) {
        if (!run.Visit(k)) return;
        const AnagramClass& cls = run.dict.Classes[static_cast<size_t>(k)];
        const int length = cls.letters.total;
        if (length < 4 || (length % 2 != 0) != oddLengths) continue;
        run.dict.ForEachWordOfClass(cls, [&](const char* word) {
            MicroLines lines(run, Piece(word, static_cast<size_t>(length)));
            if (oddLengths)
                lines.Removal();
            else
                lines.Halves(mode);
        });
    }
}

}  // namespace sillabor
