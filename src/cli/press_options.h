#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "cli_common.h"
#include "json_writer.h"
#include "mech/press_fit.h"

namespace kalmo::cli {

// The options of one part of the joint, as typed.
struct PartOptions {
  std::optional<std::string> material, e, nu, re, alpha;
};

// The joint options press and press-design share, as typed.
struct JointOptions {
  std::optional<std::string> hubDiameter, length, bore, rzHub, rzShaft, friction, torque,
      axialForce;
  PartOptions hub, shaft;
  std::string smoothing = "0.8";
  std::string stress = "max-shear";
  bool inch = false;
  bool json = false;
};

// Which commands offer --torque and --axial-force as a requirement.
enum class LoadWanted { Optional, Required };

// Adds the joint options to a command: --hub-diameter, --length, --bore, the
// part options of hub and shaft, --rz-hub, --rz-shaft, --friction, --torque,
// --axial-force, --smoothing, --stress, --inch, --json. Press also names the
// hub's material and α --hole-material and --hole-alpha, as fit does.
void addJointOptions(CLI::App& command, JointOptions& options, LoadWanted load);

// The joint at the size (mm) without hole, shaft and the options of press
// alone; the error names the option.
Parsed<PressFitInput> parseJoint(const JointOptions& options, double sizeMm);

// Reads an option that may be left out; a missing one gives no value.
Parsed<std::optional<double>> optionalNumber(std::string_view option,
                                             const std::optional<std::string>& text);

// --hole-temp and --shaft-temp as typed: the operating temperatures of hub
// and shaft, which press and press-design share.
struct OperatingTexts {
  std::optional<std::string> hole, shaft;
};
void addOperatingOptions(CLI::App& command, OperatingTexts& texts);
// The temperatures; none while neither option is given (a part given none
// stays at 20 °C). The error names the option.
Parsed<std::optional<JointTemperatures>> parseOperating(const OperatingTexts& texts);

// The option of an input the method rejected and its range, lengths in the
// unit of the command line. Options of press alone are given as their text
// (nullptr where the command has none); FitUndefined and Diameter are left
// to the caller.
struct PressOnlyTexts {
  const std::optional<std::string>* pressFriction = nullptr;
  const std::optional<std::string>* joiningClearance = nullptr;
  const std::optional<std::string>* holeTemp = nullptr;
  const std::optional<std::string>* shaftTemp = nullptr;
};
std::string jointError(PressFitError e, const JointOptions& o, const PressOnlyTexts& pressOnly,
                       double sizeMm);

// The conventions as the output names them: "0.8" or "0.4" with the edition
// of DIN 7190 that uses the factor, "max-shear" or "von-mises".
std::string_view smoothingName(SmoothingRule rule);
std::string_view smoothingSource(SmoothingRule rule);
std::string_view stressName(StressHypothesis hypothesis);

// The conventions of the input as press and press-design name them: the
// JSON object {"smoothing","smoothing_source","stress"} and the two text
// lines "Smoothing ..." and "Hub stress ...".
JsonObject conventionsJson(const PressFitInput& in);
std::string conventionsText(const PressFitInput& in);
// The joint at the operating temperatures as members of `o`: u_max, u_min,
// p_max, p_min, torque, axial_force, slip_safety, hub_safety, shaft_safety,
// loose_at_min.
void addJointAtTemperature(JsonObject& o, const PressAtTemperature& joint);

// The help section on the two conventions, shared by press and press-design.
extern const char* const kConventionsHelp;

}  // namespace kalmo::cli
