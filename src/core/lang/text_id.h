#pragma once

namespace kalmo {

// The interface texts of the program, by their number in the language tables
// (resources/lang/{BG,DE,EN}.txt, "n=text"). The English text follows each
// name. A number is never reused: a new text gets a new number in all three tables.
enum class TextId : int {
  None = 0,  // no text: the lookup gives the empty string

  // Results grid and export text.
  Hole = 1,               // "Hole": grid heading, hole picker caption
  Shaft = 2,              // "Shaft": grid heading, shaft picker caption
  LimitDeviations = 4,    // "Limit deviations": band over ES/EI
  LimitSizes = 5,         // "Limit sizes": band over the limit sizes
  Tolerance = 6,          // "Tolerance": IT row
  UpperDeviation = 7,     // "Upper deviation": ES/es row
  LowerDeviation = 8,     // "Lower deviation": EI/ei row
  UpperLimitOfSize = 9,   // "Upper limit of size"
  LowerLimitOfSize = 10,  // "Lower limit of size"
  Designation = 11,       // "Designation": fit designation row
  TypeOfFit = 12,         // "Type of fit": fit kind row, page captions
  FitTolerance = 13,      // "Tolerance of the fit"
  Max = 14,               // "Max.": first fit value of an undefined fit
  Min = 15,               // "Min.": second fit value of an undefined fit
  ClearanceFit = 16,      // "Clearance fit"
  InterferenceFit = 17,   // "Interference fit"
  TransitionFit = 18,     // "Transition fit"
  MaxClearance = 19,      // "Max. clearance"
  MinClearance = 20,      // "Min. clearance"
  MaxInterference = 21,   // "Max. interference"
  MinInterference = 22,   // "Min. interference"
  Fit = 25,               // "Fit": heading over the fit rows, design table column

  // Main window.
  StandardFits = 3,      // "Stand. fits": catalogue button and page heading
  SystemOfFit = 24,      // "System of fit"
  HoleBasis = 26,        // "Hole basis system"
  ShaftBasis = 27,       // "Shaft basis system"
  Copy = 69,             // "Copy": tool tip
  LanguageMenu = 70,     // "Language": tool tip
  Exit = 71,             // "Exit": tool tip
  Help = 72,             // "Help": tool tip
  UnitNote = 76,         // "Values and tolerances in": the unit note without its unit
  NominalSize = 81,      // "Nominal size": size field caption
  BasicParameters = 82,  // "Basic parameters": inputs group, first export line
  WindowTitle = 86,      // "KALMO - ISO - tolerances and fits"

  // Preferred-numbers window.
  PreferredNumbersTitle = 87,  // "Preferred numbers acc. ISO 3"
  Series = 88,                 // "Series": series picker caption
  Select = 89,                 // "Select": take the number; also the free IT range
  Cancel = 90,                 // "Cancel"
  AllEntries = 91,             // "(all)": every series, every result

  // Design page.
  Design = 93,                 // "Design": design button
  ItRange = 94,                // "IT - range"
  OnlyStandardFits = 95,       // "only standard fits"
  Deviation = 96,              // "Deviation": design table column
  Search = 97,                 // "Search"
  Results = 98,                // "Results": result count caption
  RangeGauges = 99,            // "Gauges and measuring instruments"
  RangePrecision = 100,        // "Precision and general engineering"
  RangeSemiProducts = 101,     // "Semi-products"
  RangeStructures = 102,       // "Structures"
  RangeNonTolerated = 103,     // "Non-tolerated dimensions"
  HoleTolerance = 104,         // "Hole tolerance": system with a fixed hole class
  ShaftTolerance = 105,        // "Shaft tolerance": system with a fixed shaft class
  AllCombinations = 106,       // "All combinations"
  MaxClearanceShort = 107,     // "Max. clear.": target and column caption
  MinClearanceShort = 108,     // "Min. clear."
  MaxInterferenceShort = 109,  // "Max. interf."
  MinInterferenceShort = 110,  // "Min. interf."
  TargetsReversed = 61,        // "Upper limit of size has to be greater than lower limit of size!"

  // Fits inside the design targets.
  InsideColumn = 300,       // "Inside": design table column marking fits inside the targets
  OnlyInsideTargets = 301,  // "Only fits inside the targets": design page check box
  NoneInsideTargets = 302,  // "No fit lies inside the targets; the closest ones are shown."

  // What a standard fit is for, by the character of its non-basic member.
  UseLooseRunning = 310,            // a, b, c, cd
  UseFreeRunning = 311,             // d
  UseEasyRunning = 312,             // e, ef
  UseCloseRunning = 313,            // f, fg
  UseSliding = 314,                 // g
  UseLocationalClearance = 315,     // h, up to hole grade 9
  UseSimpleClearance = 316,         // h, coarser grades
  UseLocationalTransition = 317,    // js, j
  UseLocationalTransitionK = 318,   // k
  UseTransitionM = 319,             // m
  UseLocationalTransitionN = 320,   // n
  UseLocationalInterference = 321,  // p
  UseLightPress = 322,              // r
  UseMediumDrive = 323,             // s
  UseForce = 324,                   // t, u
  UseHeavyShrink = 325,             // v to zc

  // Number entry fields: why an entry is not applied.
  EntryNotANumber = 400,      // tooltip: the text is no number (or callout)
  EntryBadDesignation = 401,  // tooltip: a size followed by no class or fit
  EntryWrongUnit = 402,       // tooltip: "mm" typed in inch mode
  EntryAboveMaximum = 403,    // tooltip and note, followed by the limit: "Above the upper limit"
  EntryBelowMinimum = 404,    // tooltip and note, followed by the limit: "Below the lower limit"

  // Tooltips and accessible texts of the window's buttons and views.
  SwitchUnit = 407,       // unit button: "Millimetres or inches"
  AboutProgram = 408,     // about button
  HoleClassList = 409,    // hole class list button: "Common hole classes"
  ShaftClassList = 410,   // shaft class list button: "Common shaft classes"
  ZoneDiagramName = 411,  // diagram accessible name: "Tolerance zones"

  // The fit at operating conditions (side page and design check box). The
  // material caption and the preset names in the pickers' tooltips are the
  // press-fit window's; the pickers show the short family names.
  OperatingButton = 450,      // "Operating": side-panel button
  OperatingConditions = 451,  // "Operating conditions": page title
  AlphaCaption = 453,         // "α in µm/(m·K)": expansion coefficient field caption
  TemperatureCaption = 454,   // "Temperature in °C"
  MaterialCustomAlpha = 455,  // "Custom α": the material whose α is typed
  FamilySteel = 456,          // 456..463: short material names in MaterialId order
  FamilyStainless = 457,      // "Stainless steel"
  FamilyCastIron = 458,       // "Grey cast iron"
  FamilyAluminium = 459,      // "Aluminium alloy"
  FamilyCopper = 460,         // "Copper"
  FamilyBrass = 461,          // "Brass"
  FamilyBronze = 462,         // "Bronze"
  FamilyTitanium = 463,       // "Titanium alloy"
  DistributionCaption = 464,  // "Distribution of actual sizes": statistics model caption
  DistributionNormal = 465,   // "Normal (σ = IT/6)"
  DistributionUniform = 466,  // "Uniform over the zone"
  AtTemperature = 467,        // "At %1 °C": column caption, %1 the temperature(s)
  BecomesClearance = 468,     // "At operating temperature the fit becomes a clearance fit!"
  BecomesTransition = 469,    // ... a transition fit!
  BecomesInterference = 470,  // ... an interference fit!
  ShareInterfering = 471,     // "Interfering": share of assemblies with interference
  ShareClearance = 472,       // "With clearance"
  InterferingSentence = 473,  // "%1 of assemblies interfere at 20 °C, %2 at operating temperature"
  OperatingNoFit = 474,       // "Choose a hole and a shaft class with limits at this size."
  AtOperatingConditions = 475,  // "at operating conditions": design page check box
  ValuesAtOperating = 476,      // "Values at operating conditions": design results heading
  OperatingEntryMissing = 477,  // design search refused: a field of the operating page is bad

  // Press-fit window.
  PressFit = 500,        // "Press fit": window title, main window action
  PressHub = 501,        // "Hub (outer part)": group
  PressShaft = 502,      // "Shaft (inner part)": group
  PressJoint = 503,      // "Joint": group of length, friction and joining clearance
  Material = 504,        // "Material": material picker caption
  MaterialCustom = 505,  // "Custom values": the last material entry
  MaterialSteel = 506,   // the material presets, in MaterialId order
  MaterialStainless = 507,
  MaterialCastIron = 508,
  MaterialAluminium = 509,
  MaterialCopper = 510,
  MaterialBrass = 511,
  MaterialBronze = 512,
  MaterialTitanium = 513,
  ElasticModulus = 514,        // "Modulus of elasticity"
  PoissonRatio = 515,          // "Poisson's ratio"
  YieldStrength = 516,         // "Yield strength"
  ExpansionCoefficient = 517,  // "Coefficient of expansion"
  HubOuterDiameter = 518,      // "Outer diameter"
  ShaftBoreDiameter = 519,     // "Bore diameter (0 = solid shaft)"
  JointLength = 520,           // "Joint length"
  Roughness = 521,             // "Roughness": Rz of the bore or of the shaft
  Friction = 522,              // "Coefficient of friction (torque, axial force)"
  PressInFriction = 523,       // "Coefficient of friction for pressing in"
  JoiningClearance = 524,      // "Joining clearance for shrinking"
  TypicalDrySteelFriction =
      525,                      // "Pre-filled with a typical value for dry steel on steel:" + value
  Quantity = 526,               // "Quantity": results column
  Value = 527,                  // "Value": results column
  Unit = 528,                   // "Unit": results column
  Smoothing = 529,              // "Smoothing of the roughness"
  EffectiveInterference = 530,  // "Effective interference"
  DiameterRatio = 531,          // "Diameter ratio"
  ElasticityFactor = 532,       // "Elasticity factor": K
  JointPressure = 533,          // "Joint pressure"
  TransmissibleTorque = 534,    // "Transmissible torque"
  TransmissibleAxialForce = 535,  // "Transmissible axial force"
  PressInForce = 536,             // "Press-in force"
  HubStress = 537,                // "Equivalent stress at the hub bore"
  ShaftStress = 538,              // "Equivalent stress in the shaft"
  HubSafety = 539,                // "Safety of the hub against yielding"
  ShaftSafety = 540,              // "Safety of the shaft against yielding"
  HubTemperature = 541,           // "Hub temperature for shrinking on"
  ShaftTemperature = 542,         // "or shaft temperature for cooling in"
  LooseAtMinimum = 543,           // the joint may be loose at the smallest interference
  HubYields = 544,                // "The hub yields (safety below 1): ..."
  ShaftYields = 545,              // "The shaft yields (safety below 1): ..."
  BelowLiquidNitrogen = 546,      // cooling needs less than -196 °C
  NoInterference = 547,           // a clearance fit transmits nothing by friction
  NoCompleteFit = 548,            // the main window holds no complete fit
  EnterNumber = 549,              // "enter a number": a field without a number
  // Inspection window.
  Inspection = 550,        // "Inspection": window title, tool tip
  Measured = 554,          // "Measured": measured size field caption
  ToLot = 555,             // "to (lot)": largest size of a lot
  Status = 556,            // "Status"
  StatusOk = 557,          // "ok: within the limits of size"
  StatusOver = 558,        // "over: above the upper limit of size"
  StatusUnder = 559,       // "under: below the lower limit of size"
  Margin = 560,            // "Margin": distance to the nearer limit
  AcceptingClasses = 561,  // "Accepting classes"
  NoneAccepting = 562,     // "none"
  PlugGauge = 563,         // "Plug gauge": the hole's gauge
  RingOrSnapGauge = 564,   // "Ring or snap gauge": the shaft's gauge
  GaugeGo = 565,           // "GO"
  GaugeNoGo = 566,         // "NO-GO"
  GaugeNote = 567,         // "Gauge sizes are the limits of size; ... not included."
  ActualFit = 568,         // "Actual fit": heading
  ActualClearance = 569,   // "Actual clearance (negative: interference)"
  SameKind = 570,          // "Every pair gives the nominal kind of fit"
  NotSameKind = 571,       // "NOT every pair gives the nominal kind of fit"
  EnterMeasured = 572,     // "Enter a measured size, or ... of a lot."
  LotMinAboveMax = 573,    // "The smallest size of the lot is above the largest."
  NoLimitsAtSize = 574,    // "No limits at this size."
  PreferredInBold = 575,   // "Preferred classes in bold."
  NoClassChosen = 576,     // "No class chosen."
  RangeFromTo = 577,       // "%1 to %2"

  // Batch table window.
  BatchTable = 551,           // "Batch table": window title, tool tip
  Print = 552,                // "Print…"
  SaveAsPdf = 553,            // "Save as PDF…"
  CalloutsPrompt = 580,       // "Callouts, one per line (Ø optional), e.g. ...:"
  Callout = 581,              // "Callout": column
  UpperDeviationShort = 583,  // "upper dev.": column, after "Hole"/"Shaft"
  LowerDeviationShort = 584,  // "lower dev."
  MaxSizeShort = 585,         // "max. size"
  MinSizeShort = 586,         // "min. size"
  Error = 587,                // "Error": column
  CopyTable = 588,            // "Copy table"
  ExportCsv = 589,            // "Export CSV…"
  CsvFiles = 590,             // "CSV files (*.csv)": file dialog filter
  PdfFiles = 591,             // "PDF files (*.pdf)"
  CannotWriteFile = 592,      // "The file %1 could not be written."
  LimitValue1 = 593,          // "Limit value 1": first fit value column
  LimitValue2 = 594,          // "Limit value 2"

  // Printed reports.
  LimitsTableTitle = 610,   // "Limits table": batch report title
  VersionOf = 611,          // "Version %1"
  UnitOf = 612,             // "Unit: %1"
  StandardEditions = 613,   // "Standards: ISO 286-1:1988 up to 3150 mm, DIN 7172:1991 above"
  PageOf = 614,             // "Page %1 of %2"
  ResultTitle = 615,        // "Tolerances and fit": result page title
  RangeBoundaryNote = 616,  // "Near the size-range bound %1 mm: ... differ."
  DateOf = 617,             // "Date: %1"
  // Window: a size near a size-range bound, callouts and the inside count.
  // %1, %2 and %3 are filled in by the caller.
  BoundaryAbove = 650,         // "%1 is the top of a size range: above it %2 gives %3"
  BoundaryBelow = 651,         // "%1 is the top of the size range below: at %1 %2 gives %3"
  BoundaryClearance = 652,     // "%1 / %2 clearance": least and greatest
  BoundaryInterference = 653,  // "%1 / %2 interference": least and greatest
  BoundaryTransition = 654,    // "%1 clearance / %2 interference": the greatest of each
  BoundaryClassLimits = 655,   // "limit deviations %1 / %2": upper, lower
  BoundaryUndefined = 656,     // "no defined limits"
  CopyAsCallout = 657,         // "Copy as callout": context menu of the results grid
  InsideCount = 658,           // "%1 of %2 fits lie inside the targets."
  // Accessible names and descriptions of the window's controls.
  SizeFieldHelp = 700,        // "Nominal size: a number, or a callout such as 42 H7/f6 ..."
  DeviationLetter = 701,      // "Fundamental deviation (letter)": letter pickers
  ToleranceGrade = 702,       // "Tolerance grade (IT)": grade pickers
  CatalogueButtonHelp = 703,  // "Opens or closes the list of standard fits"
  DesignButtonHelp = 704,     // "Opens or closes the design search: ..."
  CatalogueListHelp = 705,    // "Standard fits of the chosen system and type; ..."
  GradeRangeHelp = 706,       // "Range of tolerance grades the search takes"
  LowestGrade = 707,          // "Lowest grade"
  HighestGrade = 708,         // "Highest grade"
  DesignSystemHelp = 709,     // "Hole basis, shaft basis, a fixed hole or shaft class, ..."
  FitTypeHelp = 710,          // "Clearance, transition or interference fit"
  FitSystemHelp = 711,        // "Hole basis or shaft basis system"
  TargetHelp = 712,           // "Target value of the search, in the unit of the window"
  StandardOnlyHelp = 713,     // "Searches only the standard fits"
  ResultCountHelp = 714,      // "How many fits the results table shows"
  SearchHelp = 715,           // "Ranks the fits by their deviation from the targets ..."
  DesignResults = 716,        // "Design results": the results table's name
  DesignResultsHelp = 717,    // "Fits ranked by their deviation; a click or Enter ..."
  InsideOnlyHelp = 718,       // "Shows only the fits whose values lie inside the targets"
  PressInputHelp = 719,       // "Input of the press-fit calculation; ..."
  MaterialHelp = 720,         // "Material preset: sets the modulus of elasticity, ..."
  PressResultsHelp = 721,     // "Results of the press-fit calculation for the fit ..."
  BatchTableHelp = 722,       // "Limits of every callout, one row for each line"
  CopyTableHelp = 723,        // "Copies the table to the clipboard"
  ExportCsvHelp = 724,        // "Saves the table as a CSV file"
  PrintTableHelp = 725,       // "Prints the table"
  TablePdfHelp = 726,         // "Saves the table as a PDF file"
  PartMaterialHelp = 730,     // "Material of the part: a preset brings its α ..."
  AlphaFieldHelp = 731,       // "Coefficient of linear expansion of the part ..."
  TemperatureHelp = 732,      // "Operating temperature of the part in °C; ..."
  DistributionHelp = 733,     // "How the actual sizes spread over their zones ..."
  At20ResultHelp = 734,       // "The fit at 20 °C: kind, limit values, ..."
  OperatingResultHelp = 735,  // "The fit at the operating temperatures ..."
  KindWarningHelp = 736,      // "Warns when the fit changes its kind ..."
  InterferingHelp = 737,      // "Share of the assemblies that interfere ..."
  OperatingButtonHelp = 738,  // "Opens or closes the operating conditions ..."
  AtOperatingHelp = 739,      // "Ranks the fits by their values at the conditions ..."
  // Entry notes that name the refused limit or unit, and the design page's
  // applied fit outside the targets; %1.. are filled in by the caller.
  EntryAboveLimit = 807,    // "%1 is above the upper limit %2": number and limit with their unit
  EntryBelowLimit = 808,    // "%1 is below the lower limit %2"
  EntryNotANumberIn = 809,  // "Not a number in %1": %1 the field's unit
  EnterNumberIn = 810,      // "Enter a number in %1"
  FitAppliedAbove = 811,  // "%1 applied: %2 %3 is %4 above the target": fit, caption, value, excess
  FitAppliedBelow = 812,  // "%1 applied: %2 %3 is %4 below the target"
  TargetsNotNumbers = 813,  // design search refused: "Correct the targets first."

  // Press fit, inspection and the child windows.
  CoolingCannotJoin = 850,  // cooling would need below absolute zero
  LotOver = 851,            // "over: the lot reaches %1 above the upper limit"
  LotUnder = 852,           // "under: the lot reaches %1 below the lower limit"
  MeasuredRange = 853,      // "The measured size must be a number greater than 0 and at most %1."
  NotANumber = 854,         // "not a number": a field's text
  HoleLetterName = 855,     // accessible names of the class pickers
  HoleGradeName = 856,
  ShaftLetterName = 857,
  ShaftGradeName = 858,
  PartOutsideTolerance = 859,  // "A part lies outside its tolerance."
  // Files the window writes.
  NotARegularFile = 900,         // "%1 is not a regular file. Nothing was written."
  FileNotWritten = 901,          // "The file %1 could not be written. ... kept as it was."
  ReplaceFileQuestion = 902,     // "%1 already exists. Do you want to replace it?"
  SettingsFileNotRegular = 903,  // "The settings file %1 is not a regular file. ..."
  // Why a callout line or argument was not read (format/callout_line.h); one
  // set of reasons for the batch table and kalmo-cli. %1 and %2 are the texts
  // named, cut to about 40 bytes.
  CalloutSizeMissing = 940,         // "size missing: expected a size and ... such as 50 H7/g6"
  CalloutSizeNotANumber = 941,      // "size "%1" is not a number"
  CalloutSizeSigned = 942,          // "size "%1" takes no sign"
  CalloutSizeNotPositive = 943,     // "size %1 is not greater than 0": %1 with its unit
  CalloutSizeAboveMaximum = 944,    // "size %1 is above the largest nominal size, 10000 mm"
  CalloutMmInInches = 945,          // "size "%1": sizes are in inches here, not mm"
  CalloutNoClass = 946,             // "no tolerance class or fit after the size, ..."
  CalloutTrailingText = 947,        // "text after the tolerance class or fit "%1": "%2""
  CalloutFitNoSlash = 948,          // "fit "%1" has no "/": expected HOLE/SHAFT such as H7/g6"
  CalloutNoDeviationLetter = 949,   // "class "%1": "%2" is no deviation letter (A to ZC ...)"
  CalloutHoleMissing = 950,         // "hole class missing"
  CalloutShaftMissing = 951,        // "shaft class missing"
  CalloutHoleLetterMissing = 952,   // "hole class "%1": deviation letter missing (A to ZC)"
  CalloutShaftLetterMissing = 953,  // "shaft class "%1": deviation letter missing (a to zc)"
  CalloutHoleBadLetter = 954,       // "hole class "%1": "%2" is no hole deviation letter ..."
  CalloutShaftBadLetter = 955,      // "shaft class "%1": "%2" is no shaft deviation letter ..."
  CalloutHoleWrongCase = 956,       // "hole class "%1": hole letters are upper case"
  CalloutShaftWrongCase = 957,      // "shaft class "%1": shaft letters are lower case"
  CalloutHoleGradeMissing = 958,    // "hole class "%1": tolerance grade missing (01, 0, 1 to 18)"
  CalloutShaftGradeMissing = 959,   // "shaft class "%1": tolerance grade missing ..."
  CalloutHoleBadGrade = 960,        // "hole class "%1": "%2" is no tolerance grade ..."
  CalloutShaftBadGrade = 961,       // "shaft class "%1": "%2" is no tolerance grade ..."
  CalloutBearingGrade = 1430,       // "class "%1": bearing takes no grade"
  CalloutBearingForm = 1431,        // "class "%1": the bearing ring is written bearing, in lo ..."

  // The texts of the tool windows beside the fit (general tolerances,
  // stack-up, bearing seats, press fits from the load, reports).
#include "lang/text_id_tools.inc"
};

}  // namespace kalmo
