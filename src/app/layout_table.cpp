#include "layout_table.h"

#include "model/convention_catalogue.h"
#include "window_texts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// One control a line, or two where its texts do not fit.
// clang-format off
constexpr WindowLayout layout{
    .ns = {
        .generalHeader =
            {.name = "Label13", .twips = {120, 0, 375, 255}, .tabIndex = 72, .caption = texts::ns},
        .general = {{
            {.name = "Check1(0)", .twips = {120, 240, 255, 255}, .tabIndex = 15},
            {.name = "Check1(1)", .twips = {120, 600, 255, 255}, .tabIndex = 16},
            {.name = "Check1(2)", .twips = {120, 960, 255, 255}, .tabIndex = 17},
            {.name = "Check1(3)", .twips = {120, 1320, 255, 255}, .tabIndex = 18},
            {.name = "Check1(4)", .twips = {120, 1680, 255, 255}, .tabIndex = 19},
            {.name = "Check1(5)", .twips = {120, 2040, 255, 255}, .tabIndex = 20},
            {.name = "Check1(6)", .twips = {120, 2400, 255, 255}, .tabIndex = 21},
            {.name = "Check1(7)", .twips = {120, 2760, 255, 255}, .tabIndex = 22},
            {.name = "Check1(8)", .twips = {120, 3120, 255, 255}, .tabIndex = 23},
            {.name = "Check1(9)", .twips = {120, 3480, 255, 255}, .tabIndex = 24},
            {.name = "Check1(10)", .twips = {120, 3840, 255, 255}, .tabIndex = 25},
            {.name = "Check1(11)", .twips = {120, 4200, 255, 255}, .tabIndex = 26},
        }},
        .openingFrame =
            {.name = "Frame1", .twips = {2400, 0, 495, 975}, .tabIndex = 44, .caption = texts::ns},
        .opening = {{
            {.name = "Option1(0)", .twips = {120, 240, 255, 255}, .tabIndex = 45},
            {.name = "Option1(1)", .twips = {120, 600, 255, 255}, .tabIndex = 46},
        }},
        .ntRangeHeader =
            {.name = "Label4", .twips = {3000, 1080, 855, 255}, .tabIndex = 63,
             .caption = texts::ns},
        .ntRange = {{
            {.name = "Combo1", .twips = {3000, 1440, 855, 315}, .tabIndex = 59,
             .background = Colour::LightGrey, .textColour = Colour::Red},
            {.name = "Combo2", .twips = {3000, 1800, 855, 315}, .tabIndex = 60,
             .background = Colour::LightGrey, .textColour = Colour::Green},
        }},
        .competitiveFrame =
            {.name = "Frame7", .twips = {2400, 2160, 495, 2055}, .tabIndex = 47,
             .caption = texts::ns},
        .competitive = {{
            {.name = "Check3(0)", .twips = {120, 240, 255, 255}, .tabIndex = 49},
            {.name = "Check3(1)", .twips = {120, 600, 255, 255}, .tabIndex = 50},
            {.name = "Check3(2)", .twips = {120, 960, 255, 255}, .tabIndex = 51},
            {.name = "Check3(3)", .twips = {120, 1320, 255, 255}, .tabIndex = 52},
            {.name = "Check3(4)", .twips = {120, 1680, 255, 255}, .tabIndex = 53},
        }},
    },
    .eo = {
        .generalHeader =
            {.name = "Label14", .twips = {1800, 0, 375, 255}, .tabIndex = 73, .caption = texts::eo},
        .general = {{
            {.name = "Check2(0)", .twips = {2040, 240, 255, 255}, .tabIndex = 27},
            {.name = "Check2(1)", .twips = {2040, 600, 255, 255}, .tabIndex = 28},
            {.name = "Check2(2)", .twips = {2040, 960, 255, 255}, .tabIndex = 29},
            {.name = "Check2(3)", .twips = {2040, 1320, 255, 255}, .tabIndex = 30},
            {.name = "Check2(4)", .twips = {2040, 1680, 255, 255}, .tabIndex = 31},
            {.name = "Check2(5)", .twips = {2040, 2040, 255, 255}, .tabIndex = 32},
            {.name = "Check2(6)", .twips = {2040, 2400, 255, 255}, .tabIndex = 33},
            {.name = "Check2(7)", .twips = {2040, 2760, 255, 255}, .tabIndex = 34},
            {.name = "Check2(8)", .twips = {2040, 3120, 255, 255}, .tabIndex = 35},
            {.name = "Check2(9)", .twips = {2040, 3480, 255, 255}, .tabIndex = 36},
            {.name = "Check2(10)", .twips = {2040, 3840, 255, 255}, .tabIndex = 37},
            {.name = "Check2(11)", .twips = {2040, 4200, 255, 255}, .tabIndex = 38},
        }},
        .openingFrame =
            {.name = "Frame2", .twips = {4320, 0, 495, 975}, .tabIndex = 41, .caption = texts::eo},
        .opening = {{
            {.name = "Option2(0)", .twips = {120, 240, 255, 255}, .tabIndex = 42},
            {.name = "Option2(1)", .twips = {120, 600, 255, 255}, .tabIndex = 43},
        }},
        .ntRangeHeader =
            {.name = "Label5", .twips = {3960, 1080, 855, 255}, .tabIndex = 64,
             .caption = texts::eo},
        .ntRange = {{
            {.name = "Combo3", .twips = {3960, 1440, 855, 315}, .tabIndex = 61,
             .background = Colour::LightGrey, .textColour = Colour::Red},
            {.name = "Combo4", .twips = {3960, 1800, 855, 315}, .tabIndex = 62,
             .background = Colour::LightGrey, .textColour = Colour::Green},
        }},
        .competitiveFrame =
            {.name = "Frame8", .twips = {4320, 2160, 495, 2055}, .tabIndex = 48,
             .caption = texts::eo},
        .competitive = {{
            {.name = "Check4(0)", .twips = {120, 240, 255, 255}, .tabIndex = 54},
            {.name = "Check4(1)", .twips = {120, 600, 255, 255}, .tabIndex = 55},
            {.name = "Check4(2)", .twips = {120, 960, 255, 255}, .tabIndex = 56},
            {.name = "Check4(3)", .twips = {120, 1320, 255, 255}, .tabIndex = 57},
            {.name = "Check4(4)", .twips = {120, 1680, 255, 255}, .tabIndex = 58},
        }},
    },
    // "Michael's  CueBid", "2  Faible" and "Blackwood  5 clés" with two blanks, and "Roudi "
    // with its trailing blank, are the captions players know: they stay as they are.
    .generalCaptions = {{
        {.name = "Label1(0)", .twips = {480, 240, 1455, 255}, .tabIndex = 3,
         .caption = u"Texas", .background = Colour::LightGrey},
        {.name = "Label1(1)", .twips = {480, 600, 1455, 255}, .tabIndex = 4,
         .caption = u"Texas mineur", .background = Colour::LightGrey},
        {.name = "Label1(2)", .twips = {480, 960, 1455, 255}, .tabIndex = 5,
         .caption = u"2 Trèfles Landy", .background = Colour::LightGrey},
        {.name = "Label1(3)", .twips = {480, 1320, 1455, 255}, .tabIndex = 6,
         .caption = u"Intervention à 2SA", .background = Colour::LightGrey},
        {.name = "Label1(4)", .twips = {480, 1680, 1455, 255}, .tabIndex = 7,
         .caption = u"Michael's  CueBid", .background = Colour::LightGrey},
        {.name = "Label1(5)", .twips = {480, 2040, 1455, 255}, .tabIndex = 8,
         .caption = u"2  Faible", .background = Colour::LightGrey},
        {.name = "Label1(6)", .twips = {480, 2400, 1455, 255}, .tabIndex = 9,
         .caption = u"2 Carreaux Fort", .background = Colour::LightGrey},
        {.name = "Label1(7)", .twips = {480, 2760, 1455, 255}, .tabIndex = 10,
         .caption = u"Mineures inversées", .background = Colour::LightGrey},
        {.name = "Label1(8)", .twips = {480, 3120, 1455, 255}, .tabIndex = 11,
         .caption = u"Roudi ", .background = Colour::LightGrey},
        {.name = "Label1(9)", .twips = {480, 3480, 1455, 255}, .tabIndex = 12,
         .caption = u"Blackwood  5 clés", .background = Colour::LightGrey},
        {.name = "Label1(10)", .twips = {480, 3840, 1455, 255}, .tabIndex = 13,
         .caption = u"1SA Sandwich", .background = Colour::LightGrey},
        {.name = "Label1(11)", .twips = {480, 4200, 1455, 255}, .tabIndex = 14,
         .caption = u"Meilleure mineure", .background = Colour::LightGrey},
    }},
    .openingCaptions = {{
        {.name = "Label2", .twips = {3000, 240, 1215, 255}, .tabIndex = 39,
         .caption = u"12H - 13DH"},
        {.name = "Label3", .twips = {3000, 600, 1215, 255}, .tabIndex = 40,
         .caption = u"13H - 14DH"},
    }},
    .ntRangeCaptions = {{
        {.name = "Label6", .twips = {2280, 1440, 615, 315}, .tabIndex = 65,
         .caption = u"Vul", .background = Colour::LightGrey, .textColour = Colour::Red},
        {.name = "Label7", .twips = {2280, 1800, 615, 315}, .tabIndex = 66,
         .caption = u"N. Vul", .background = Colour::LightGrey, .textColour = Colour::Green},
    }},
    .competitiveCaptions = {{
        {.name = "Label8", .twips = {3000, 2400, 1215, 255}, .tabIndex = 67,
         .caption = u"Splinter"},
        {.name = "Label9", .twips = {3000, 2760, 1215, 255}, .tabIndex = 68,
         .caption = u"2SA Truscot"},
        {.name = "Label10", .twips = {3000, 3120, 1215, 255}, .tabIndex = 69,
         .caption = u"2SA - 3SA fitté"},
        {.name = "Label11", .twips = {3000, 3480, 1215, 255}, .tabIndex = 70,
         .caption = u"2SA spécial"},
        {.name = "Label12", .twips = {3000, 3840, 1215, 255}, .tabIndex = 71,
         .caption = u"1M - 4M faible"},
    }},
    .replaceBox =
        {.name = "Check5", .twips = {2520, 4320, 2175, 255}, .tabIndex = 85,
         .caption = texts::replaceFile, .textColour = Colour::Red},
    .systemName =
        {.name = "Text1", .twips = {120, 4680, 2175, 285}, .tabIndex = 76,
         .caption = u"MonSystème", .accessibleName = u"Nom du système"},
    .systemFiles =
        {.name = "File2", .twips = {2400, 4680, 2415, 1455}, .tabIndex = 77,
         .accessibleName = u"Systèmes enregistrés",
         .pattern = vornelle::catalogue::systemFilePattern, .background = Colour::LightGrey},
    .openNsButton =
        {.name = "Command4", .twips = {120, 5040, 615, 495}, .tabIndex = 78,
         .toolTip = u"Ouvrir en NS", .icon = Picture::OpenFolder},
    .transferButton =
        {.name = "Command6", .twips = {840, 5040, 735, 1095}, .tabIndex = 80,
         .toolTip = u"Transférer vers Vornelle", .icon = Picture::TransferDisk},
    .openEoButton =
        {.name = "Command5", .twips = {1680, 5040, 615, 495}, .tabIndex = 79,
         .toolTip = u"Ouvrir en EO", .icon = Picture::OpenFolder},
    .saveNsButton =
        {.name = "Command2", .twips = {120, 5640, 615, 495}, .tabIndex = 74,
         .toolTip = u"Enregistrer NS", .icon = Picture::SaveDisk},
    .saveEoButton =
        {.name = "Command3", .twips = {1680, 5640, 615, 495}, .tabIndex = 75,
         .toolTip = u"Enregistrer EO", .icon = Picture::SaveDisk},
    // The controls that take part in no operation keep the captions of their form names; what a
    // screen reader hears of each control that Tab reaches says what it does, in French.
    .hostFiles =
        {.name = "File1", .twips = {10560, 3120, 1815, 1845}, .tabIndex = 0,
         .accessibleName = u"Fichiers .ini du dossier de travail, liste inutilisée",
         .pattern = u"*.ini"},
    .reloadButton =
        {.name = "Command1", .twips = {7200, 120, 1335, 495}, .tabIndex = 1, .caption = u"Xnl >>>",
         .accessibleDescription = u"Recharge les deux camps depuis la copie de travail"},
    .workingCopyLines =
        {.name = "List1", .twips = {6840, 960, 1815, 2595}, .tabIndex = 2,
         .accessibleName = u"Lignes de la copie de travail"},
    .checkButton =
        {.name = "Command7", .twips = {5640, 1920, 1215, 495}, .tabIndex = 81,
         .caption = u"Command7", .accessibleName = u"Vérifier le nom du système",
         .accessibleDescription = u"Regarde si le système nommé existe déjà ; s'il existe, rend "
                                  u"disponible la case « Remplacer le fichier »"},
    .spareList =
        {.name = "List2", .twips = {5640, 3000, 1095, 1425}, .tabIndex = 82,
         .accessibleName = u"Liste inutilisée, vide"},
    .spareLabel =
        {.name = "Label15", .twips = {5400, 1080, 975, 495}, .tabIndex = 83, .caption = u"Label15"},
    .spareReplaceLabel =
        {.name = "Label16", .twips = {5520, 4800, 1815, 255}, .tabIndex = 84,
         .caption = texts::replaceFile, .background = Colour::LightGrey, .textColour = Colour::Red},
};
// clang-format on

} // namespace

const WindowLayout& windowLayout() {
    return layout;
}

QFont windowFont() {
    QFont font;
    font.setFamilies({u"DejaVu Sans Condensed"_s, u"Liberation Sans Narrow"_s, u"Arial"_s});
    font.setPixelSize(11);
    return font;
}
