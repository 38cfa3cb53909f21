// Lyric texts of the bundled offline site, as the component hands them over (see
// examples/site/EXPECTED.md), and the results that the searches below give.
#pragma once

namespace expected {

inline constexpr char kSiteBase[] = "https://www.melodara.com";

inline constexpr char kArtist[] = "Milena Řezníčková";
inline constexpr char kTitle[] = "Pod lípou";

inline constexpr char kTextBody[] =
    "Pod lípou jsme stáli spolu,\n"
    "vítr nesl listí dolů.\n"
    "Řekls mi, že zůstaneš,\n"
    "a pak jsi šel přes pláň.\n"
    "\n"
    "Pod lípou, pod lípou,\n"
    "čekám tu s nadějí tichou.\n";
inline constexpr char kCreditsSeparator[] = "\r\n---\r\n";
// /texty-pisni/milena-reznickova-pod-lipou
inline constexpr char kText[] =
    "Pod lípou jsme stáli spolu,\n"
    "vítr nesl listí dolů.\n"
    "Řekls mi, že zůstaneš,\n"
    "a pak jsi šel přes pláň.\n"
    "\n"
    "Pod lípou, pod lípou,\n"
    "čekám tu s nadějí tichou.\n"
    "\r\n---\r\n"
    "Text: Jan Vrbenský\r\n"
    "Hudba: Milena Řezníčková";

// /karaoke/milena-reznickova-pod-lipou
inline constexpr char kKaraoke[] =
    "[00:12.40]Pod lípou jsme stáli spolu,\r\n"
    "[00:16.05]vítr nesl listí dolů.\r\n"
    "[00:20.30]Řekls mi, že zůstaneš,\r\n"
    "[00:24.15]a pak jsi šel přes pláň.\r\n"
    "[00:31.80]Pod lípou, pod lípou,\r\n"
    "[00:35.60]čekám tu s nadějí tichou.\r\n"
    "\r\n---\r\n"
    "Text: Jan Vrbenský, hudba: Milena Řezníčková\n"
    "Karaoke připravil(a): zpěvanka";

// /karaoke/milena-reznickova-vanocni-koleda: the karaoke-only row, whose title is empty.
inline constexpr char kCarolKaraoke[] =
    "[00:08.00]Padá sníh na Čechy,\r\n"
    "[00:11.50]svíčka hoří u střechy.\r\n"
    "[00:15.20]Koledu ti zpívám,\r\n"
    "[00:18.90]na hvězdy se dívám.\r\n"
    "[00:22.60]Šťastné a veselé!\r\n"
    "\r\n---\r\n"
    "Text a hudba: Milena Řezníčková";

// /texty-pisni/milena-reznickova-1-pod-lipou
inline constexpr char kDemoText[] =
    "Pod lípou jsme stáli spolu,\n"
    "vítr nesl listí dolů.\n"
    "(demo, 2003)\n"
    "\r\n---\r\n"
    "Text: Jan Vrbenský";

// /texty-pisni/cerveny-retez-ctvrtecni-blues: a track with a text result and no karaoke one.
inline constexpr char kBluesArtist[] = "Červený Řetěz";
inline constexpr char kBluesTitle[] = "Čtvrteční blues";
inline constexpr char kBluesText[] =
    "Ve čtvrtek ráno prší zas,\n"
    "čtvrteční blues mi bere hlas.\n"
    "\r\n---\r\n"
    "Hudba a text: Radek Černý";

// `melodara search "Milena Řezníčková" "Pod lípou"`
inline constexpr char kSearchTable[] =
    "#  kind     artist             album           title             address\n"
    "1  text     Milena Řezníčková  Řeka v nás      Pod lípou         "
    "https://www.melodara.com/texty-pisni/milena-reznickova-pod-lipou\n"
    "2  karaoke  Milena Řezníčková  Řeka v nás      Pod lípou         "
    "https://www.melodara.com/karaoke/milena-reznickova-pod-lipou\n"
    "3  text     Milena Řezníčková  Noční vlak      Pod lípou (live)  "
    "https://www.melodara.com/texty-pisni/milena-reznickova-pod-lipou-live\n"
    "4  karaoke  Milena Řezníčková  Noční vlak                        "
    "https://www.melodara.com/karaoke/milena-reznickova-vanocni-koleda\n"
    "5  text     MILENA Řezníčková  První nahrávky  Pod lípou         "
    "https://www.melodara.com/texty-pisni/milena-reznickova-1-pod-lipou\n";

}  // namespace expected
