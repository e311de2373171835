#include "ui/qt/ControlTable.h"

#include <array>

namespace tarrowin {
namespace {

using enum ControlKind;
using enum Container;

// The accessible names are the caption and unit a sighted user reads beside
// each box; the verdict boxes are named after the check they judge, and the
// hidden fields after the quantity they keep. Each name is unique.
constexpr std::array controls{
    // On the window.
    ControlEntry{"Label19", Label, Window, "", {720, 5160, 2775, 255}, 36, NoMark, ""},
    ControlEntry{"Label18", Label, Window, "Quellmark", {4800, 5160, 2775, 270}, 35, NoMark, ""},
    ControlEntry{"Frame1", Frame, Window, "截面材质", {600, 360, 5055, 975}, 0, NoMark, ""},
    ControlEntry{"Frame2", Frame, Window, "输入参数", {600, 1560, 7095, 1695}, 6, NoMark, ""},
    ControlEntry{"Frame3", Frame, Window, "截面验算", {600, 3600, 7095, 1215}, 24, NoMark, ""},
    ControlEntry{"Command1", PushButton, Window, "计算", {5880, 600, 735, 495}, 37, NoMark, "计算"},
    ControlEntry{"Command2", PushButton, Window, "清零", {6960, 600, 735, 495}, 38, NoMark, "清零"},
    ControlEntry{"Text15", TextBox, Window, "", {1800, 120, 975, 270}, 41, Hidden, "截面惯性矩Ix mm4"},
    ControlEntry{"Text16", TextBox, Window, "", {3120, 120, 615, 270}, 42, Hidden, "截面模量Wx mm3"},
    ControlEntry{"Text17", TextBox, Window, "", {4080, 120, 615, 270}, 43, Hidden, "腹板厚度tw mm"},
    ControlEntry{"Text18", TextBox, Window, "", {5040, 120, 615, 270}, 44, Hidden, "半截面面积矩Sx mm3"},
    ControlEntry{"Text19", TextBox, Window, "", {5880, 120, 615, 270}, 45, Hidden, "截面每米质量 kg/m"},
    ControlEntry{"Text22", TextBox, Window, "", {3840, 5040, 615, 270}, 52, Hidden, "允许挠度 mm"},

    // Section and material.
    ControlEntry{"Label1", Label, Frame1, "选择截面", {240, 480, 735, 255}, 1, NoMark, ""},
    ControlEntry{"Label2", Label, Frame1, "材质", {2640, 480, 615, 255}, 4, NoMark, ""},
    ControlEntry{"Combo1", ComboBox, Frame1, "", {1080, 480, 1455, 300}, 2, NoMark, "选择截面"},
    ControlEntry{"Option1", OptionButton, Frame1, "Q235B", {3120, 480, 855, 180}, 3, Selected, "材质 Q235B"},
    ControlEntry{"Option2", OptionButton, Frame1, "Q355B", {4080, 480, 855, 180}, 5, NoMark, "材质 Q355B"},

    // Input parameters.
    ControlEntry{"Label3", Label, Frame2, "水平长度", {240, 360, 855, 375}, 7, NoMark, ""},
    ControlEntry{"Label4", Label, Frame2, "mm", {2040, 360, 615, 255}, 9, NoMark, ""},
    ControlEntry{"Label6", Label, Frame2, "垂直高度", {2520, 360, 975, 255}, 10, NoMark, ""},
    ControlEntry{"Label7", Label, Frame2, "mm", {4440, 360, 735, 255}, 12, NoMark, ""},
    ControlEntry{"Label8", Label, Frame2, "梯段宽度", {4800, 360, 855, 375}, 13, NoMark, ""},
    ControlEntry{"Label9", Label, Frame2, "mm", {6600, 360, 375, 255}, 15, NoMark, ""},
    ControlEntry{"Label10", Label, Frame2, "恒荷载标准值", {240, 840, 1095, 255}, 16, NoMark, ""},
    ControlEntry{"Label11", Label, Frame2, "kN/m2", {2400, 840, 495, 255}, 18, NoMark, ""},
    ControlEntry{"Label12", Label, Frame2, "(梯梁重由程序自动计算)", {3120, 840, 2055, 255}, 19, NoMark, ""},
    ControlEntry{"Label13", Label, Frame2, "活荷载标准值", {240, 1200, 1095, 255}, 21, NoMark, ""},
    ControlEntry{"Label14", Label, Frame2, "kN/m2", {2400, 1200, 495, 255}, 23, NoMark, ""},
    ControlEntry{"Text1", TextBox, Frame2, "", {1080, 360, 855, 270}, 8, NoMark, "水平长度 mm"},
    ControlEntry{"Text2", TextBox, Frame2, "", {3480, 360, 855, 270}, 11, NoMark, "垂直高度 mm"},
    ControlEntry{"Text3", TextBox, Frame2, "", {5640, 360, 855, 270}, 14, NoMark, "梯段宽度 mm"},
    ControlEntry{"Text4", TextBox, Frame2, "", {1440, 840, 855, 270}, 17, NoMark, "恒荷载标准值 kN/m2"},
    ControlEntry{"Text5", TextBox, Frame2, "", {1440, 1200, 855, 270}, 22, NoMark, "活荷载标准值 kN/m2"},
    ControlEntry{"Text13", TextBox, Frame2, "", {4440, 1200, 735, 270}, 39, Hidden, "弯矩M N·mm"},
    ControlEntry{"Text14", TextBox, Frame2, "", {5400, 1200, 735, 270}, 40, Hidden, "剪力V N"},

    // Section check.
    ControlEntry{"Label5", Label, Frame3, "正应力", {240, 480, 615, 255}, 25, NoMark, ""},
    ControlEntry{"Label20", Label, Frame3, "N/mm2", {1920, 480, 615, 270}, 47, NoMark, ""},
    ControlEntry{"Label15", Label, Frame3, "剪应力", {3600, 480, 735, 375}, 27, NoMark, ""},
    ControlEntry{"Label22", Label, Frame3, "N/mm2", {5160, 480, 495, 270}, 49, NoMark, ""},
    ControlEntry{"Label16", Label, Frame3, "挠度", {240, 840, 495, 255}, 29, NoMark, ""},
    ControlEntry{"Label21", Label, Frame3, "mm", {1920, 840, 495, 270}, 48, NoMark, ""},
    ControlEntry{"Label17", Label, Frame3, "验算结果：", {3600, 840, 975, 255}, 31, NoMark, ""},
    ControlEntry{"Text6", TextBox, Frame3, "", {960, 480, 855, 270}, 26, ReadOnly, "正应力 N/mm2"},
    ControlEntry{"Text9", TextBox, Frame3, "", {2520, 480, 850, 270}, 46, Disabled | ReadOnly | Centred,
                "正应力验算"},
    ControlEntry{"Text7", TextBox, Frame3, "", {4200, 480, 900, 270}, 28, ReadOnly, "剪应力 N/mm2"},
    ControlEntry{"Text10", TextBox, Frame3, "", {5880, 480, 850, 270}, 32, Disabled | ReadOnly | Centred,
                "剪应力验算"},
    ControlEntry{"Text8", TextBox, Frame3, "", {960, 840, 855, 270}, 30, ReadOnly, "挠度 mm"},
    ControlEntry{"Text11", TextBox, Frame3, "", {2520, 840, 850, 270}, 33, Disabled | Centred, "挠度验算"},
    ControlEntry{"Text12", TextBox, Frame3, "", {5040, 840, 1695, 270}, 34, ReadOnly | Centred, "验算结果"},
    ControlEntry{"Text20", TextBox, Frame3, "", {2520, 120, 855, 270}, 50, Hidden, "抗弯强度设计值f N/mm2"},
    ControlEntry{"Text21", TextBox, Frame3, "", {5880, 120, 855, 270}, 51, Hidden, "抗剪强度设计值fv N/mm2"},
};

}  // namespace

std::span<const ControlEntry> windowControls() { return controls; }

}  // namespace tarrowin
