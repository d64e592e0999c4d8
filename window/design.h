// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QStringView>

// The main window's design: every position, size, colour and text in one place.
namespace design {

// Places are designed in twips, 15 to a logical pixel; Qt scales logical pixels to the screen.
constexpr QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// The window.
inline constexpr QStringView caption =
    u"https://kvadrati.example  Математика, математическа индукция";
inline constexpr QSize clientSize{6630 / 15, 3540 / 15};
inline constexpr QColor windowColour{128, 128, 255};
inline constexpr QStringView fontFamily = u"Times New Roman";
inline constexpr int fontPointSize = 12;
inline constexpr QStringView iconPath = u":/kvadrati.png";

// The controls, in the order they are stacked: later ones are drawn over earlier ones.
inline constexpr QColor labelColour{255, 192, 128};
inline constexpr QRect label1_0 = twips(360, 0, 5775, 375);
inline constexpr QRect label1_2 = twips(360, 480, 1095, 375);
inline constexpr QRect label1_3 = twips(3120, 480, 1815, 375);
inline constexpr QRect text1_0 = twips(360, 840, 1095, 495);
inline constexpr QRect command1_0 = twips(1560, 960, 1335, 375);
inline constexpr QRect command1_1 = twips(5040, 960, 1335, 375);
inline constexpr QRect list1 = twips(3120, 840, 1815, 915);
inline constexpr QRect text1_1 = twips(120, 1800, 6375, 1695);

// The dotted focus mark of a button runs this many pixels inside its edge, in the face.
inline constexpr int focusMarkInset = 3;

inline constexpr QColor enterColour{128, 255, 128};
inline constexpr QColor clearColour{255, 128, 128};

inline constexpr QStringView titleText = u"Математика - математическа индукция, квадрати";
inline constexpr QStringView numberText = u"число N";
inline constexpr QStringView oddNumbersText = u"нечетни числа";
inline constexpr QStringView enterText = u"Въведи";
inline constexpr QStringView clearText = u"Чисти";
inline constexpr QStringView outputName = u"Резултат";
// What screen readers say of the input box besides its name: what it takes.
inline constexpr QStringView inputDescription = u"естествено число, най-много три знака";
// What the message box says of a failure that the program did not expect.
inline constexpr QStringView unexpectedErrorText = u"Възникна неочаквана грешка.";

// What the output box shows at start: the exercise, seven lines, each ending in CR LF.
// The "e" after "индукция" and every "N" are Latin letters.
inline constexpr QStringView problemStatement =
    u"Математическата индукция e и метод за доказване на твърдения относно свойства на "
    u"естествените числа. Пример за такова приложение е доказване на твърдението, че "
    u"квадратът на всяко естествено число N може да се представи като сума от първите N "
    u"нечетни числа.\r\n"
    u"Да се реализира проект, чрез който се осъществява междупредметна връзка Математика и "
    u"Информатика.\r\n"
    u"Тема на проекта: Математика - математическа индукция, квадрати.\r\n"
    u"Да се състави проект, който доказва или отхвърля горното твърдение.\r\n"
    u"Входни данни: естествено число N. Изходни данни: първите N нечетни числа и тяхната "
    u"сума.\r\n"
    u"Да има вградена проверка на въведените входни данни.\r\n"
    u"Пример: 5 Изход:1+3+5+7+9 = 25\r\n";

} // namespace design
