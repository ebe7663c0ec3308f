#pragma once

#include <array>
#include <string>

#include "lang/lang_table.h"
#include "mech/bearing_seat.h"

namespace kalmo {

// The texts of a seat answer, shared by the bearing-seat window (its table,
// copy and print) and `kalmo-cli bearing-seat`. Lengths in mm; the probable
// fit also in µm, as bearing makers print it.

// The columns of a recommended class.
enum class SeatColumn { Class, Deviations, Kind, Limits, Probable, Condition };
inline constexpr std::size_t kSeatColumnCount = 6;

// The column headings in the table's language.
std::array<std::string, kSeatColumnCount> seatHeadings(const LangTable& lang);

// The cells of one choice: "k5", "+0.011/+0.002", "Interference fit",
// "-0.0210 … -0.0020" (the fit's clearance from least to most, negative is
// interference), "-0.0182 … -0.0048 (-18.2 … -4.8 µm)", the condition.
std::array<std::string, kSeatColumnCount> seatCells(const LangTable& lang,
                                                    const SeatChoice& choice);

// The ring's line: "bearing 0/-0.010 (ISO 492 Normal)".
std::string ringLimitsText(double diameterMm, BearingRing ring);

// The recommended classes without values at the diameter, as the seat's
// member writes them: "J6, J7".
std::string undefinedSeatList(BearingRing ring, const SeatAnswer& answer);

// The notes under the table: the source, and for an outer ring over 400 mm
// the single source of its tolerance; the reason when there is no class; the
// recommended classes left out for want of values.
std::string seatNotes(const LangTable& lang, double diameterMm, const SeatCase& seatCase,
                      const SeatAnswer& answer);

// The whole answer as text, tab-separated lines ended by "\n": the case,
// the ring, the headings, one line per class, the notes.
std::string seatAnswerText(const LangTable& lang, double diameterMm, const SeatCase& seatCase,
                           const SeatAnswer& answer);

}  // namespace kalmo
