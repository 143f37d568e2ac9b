// The six-digit ZUS insurance code of an employment (four digits of the title, one of the right to a
// pension, one of the degree of disability), held as one number without its leading zeros: 011000 is
// 11000. Any number is accepted; the questions the contribution calculations turn on read its digits.
#pragma once

#include <cstdint>

class CKodTytuluUbezpieczenia {
public:
    constexpr explicit CKodTytuluUbezpieczenia(std::uint32_t kod) : kod_(kod) {}

    constexpr std::uint32_t Kod() const { return kod_; }
    // Digits 1-2 of the title (01, 02, 12, 30, ...).
    constexpr std::uint32_t Grupa() const { return kod_ / 10000; }
    // Digits 3-4 of the title.
    constexpr std::uint32_t Podgrupa() const { return kod_ % 10000 / 100; }
    // Digit 6: 0 none, 1 light, 2 moderate, 3 significant.
    constexpr std::uint32_t StopienNiepelnosprawnosci() const { return kod_ % 10; }

    constexpr bool JestGrupa01() const { return Grupa() == 1; }
    constexpr bool JestGrupa02() const { return Grupa() == 2; }
    constexpr bool JestGrupa30() const { return Grupa() == 30; }
    // Titles 1210, 1211, 1220 and 1230, whose contributions the state budget finances.
    constexpr bool JestGrupa12Podgrupa10do30() const {
        if (Grupa() != 12) return false;
        const auto podgrupa = Podgrupa();
        return podgrupa == 10 || podgrupa == 11 || podgrupa == 20 || podgrupa == 30;
    }
    // Title 1240, childcare leave.
    constexpr bool JestGrupa12Podgrupa40() const { return Grupa() == 12 && Podgrupa() == 40; }
    // Title 0430 whatever the pension and disability digits: the four title digits read together.
    constexpr bool JestTytul0430() const { return kod_ / 100 == 430; }

private:
    std::uint32_t kod_;
};
