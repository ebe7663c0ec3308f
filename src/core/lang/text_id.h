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

  // General tolerances (ISO 2768): window, answer and table texts.
  GeneralTolerances = 1000,        // "General tolerances": window title
  GeneralSize = 1001,              // "Size or shorter leg": size field caption
  GeneralLinear = 1002,            // "Linear dimension"
  GeneralEdge = 1003,              // "Broken edge (external radius, chamfer height)"
  GeneralAngle = 1004,             // "Angle, by its shorter leg"
  GeneralStraightness = 1005,      // "Straightness and flatness"
  GeneralPerpendicularity = 1006,  // "Perpendicularity"
  GeneralSymmetry = 1007,          // "Symmetry"
  GeneralRunout = 1008,            // "Circular run-out"
  GeneralRangeFrom = 1009,         // "from %1 up to %2 mm": the first range, bound included
  GeneralRangeOver = 1010,         // "over %1 up to %2 mm"
  GeneralRangeUpTo = 1011,         // "up to %1 mm"
  GeneralRangeOpen = 1012,         // "over %1 mm": a last range without end
  GeneralBelowTable = 1013,        // "No general tolerance applies below 0.5 mm: ..."
  GeneralAboveTable = 1014,        // "No general tolerance applies above %1 mm: ..."
  GeneralEmptyCell = 1015,         // "Class %1 has no value in this range."
  GeneralNotConfirmed = 1016,      // "Not available: no two public sources agree ..."
  GeneralNoLinearClass = 1017,     // "The designation has no class for dimensions ..."
  GeneralNoGeometricClass = 1018,  // "The designation has no geometrical class ..."
  GeneralEditions = 1019,          // "ISO 2768-1:1989; ISO 2768-2:1989, replaced by ISO 22081:2021"
  GeneralKindHeading = 1020,       // "Dimension or feature": answer table heading
  GeneralRangeHeading = 1021,      // "Range": table heading
  GeneralValueHeading = 1022,      // "General tolerance": table heading
  GeneralTableHeading = 1023,      // "Table of %1": heading over the whole table
  GeneralAnswerHeading = 1024,     // "%1 at %2": "ISO 2768-mK at 125 mm"
  GeneralErrEmpty = 1025,          // "Enter a designation such as ISO 2768-mK."
  GeneralErrNotIso2768 = 1026,     // "Not an ISO 2768 designation."
  GeneralErrPart = 1027,           // "This names a part of ISO 2768, not a class ..."
  GeneralErrMissingClass = 1028,   // "The class is missing: f, m, c or v, then H, K or L."
  GeneralErrLinearCase = 1029,     // "The class of dimensions is written in lower case ..."
  GeneralErrGeometricCase = 1030,  // "The geometrical class is written in upper case ..."
  GeneralErrUnknownLinear = 1031,  // "No class of dimensions: f, m, c or v."
  GeneralErrUnknownGeometric = 1032,  // "No geometrical class: H, K or L."
  GeneralErrEnvelope = 1033,          // "The envelope requirement (-E) is not evaluated ..."
  GeneralErrTrailing = 1034,          // "Unexpected text after the class."
  GeneralNoSize = 1035,               // "No size: enter a number greater than 0."
  GeneralClass = 1036,                // "class %1": "Linear dimension, class m"
  GeneralAnswerHelp = 1037,           // "Every general tolerance for the size, with its range"
  GeneralTableHelp = 1038,            // "The whole table of the class; the size's rows are marked"
  GeneralDesignationHelp = 1039,      // "The general-tolerance note of the title block ..."
  GeneralCopy = 1040,                 // "Copy": copies the answer and the table as text
  GeneralClassWidth = 1041,           // "%1 is %2": "H7 is 0.025 mm" after the general tolerance
  GeneralComparisonHelp = 1042,       // tooltip of the comparison line under the grid
  MoreTools = 1043,                   // "More tools": the toolbar button listing further windows
  GeneralCompareInMain = 1044,        // "Compare in the main window" (check box)

  // Tolerance stack-up window and kalmo-cli stack.
  StackUp = 1320,                 // "Stack-up"
  StackName = 1321,               // "Name"
  StackNominal = 1322,            // "Nominal"
  StackDirection = 1323,          // "Direction"
  StackTolerance = 1324,          // "Tolerance"
  StackDistribution = 1325,       // "Distribution"
  StackNormal = 1326,             // "normal"
  StackUniform = 1327,            // "uniform"
  StackTriangular = 1328,         // "triangular"
  StackAdd = 1329,                // "Add"
  StackRemove = 1330,             // "Remove"
  StackMoveUp = 1331,             // "Move up"
  StackMoveDown = 1332,           // "Move down"
  StackOpen = 1333,               // "Open…"
  StackSave = 1334,               // "Save…"
  StackLsl = 1335,                // "LSL"
  StackUsl = 1336,                // "USL"
  StackSamples = 1337,            // "Samples"
  StackSeed = 1338,               // "Seed"
  StackClosingNominal = 1339,     // "Closing dimension, nominal"
  StackWorstCase = 1340,          // "Worst case"
  StackStatistical = 1341,        // "Statistical, mean ± 3σ"
  StackMean = 1342,               // "Mean"
  StackSd = 1343,                 // "Standard deviation σ"
  StackShare = 1344,              // "Share"
  StackBelow = 1345,              // "Below LSL"
  StackAbove = 1346,              // "Above USL"
  StackCpCpk = 1347,              // "Cp / Cpk"
  StackMonteCarlo = 1348,         // "Monte Carlo"
  StackMinMax = 1349,             // "Min … max"
  StackPercentiles = 1350,        // "Percentiles 0.135 % / 50 % / 99.865 %"
  StackOutside = 1351,            // "Outside the limits (95 % confidence)"
  StackErrEmpty = 1352,           // "Enter a tolerance: ±0.1, +0.1/-0.05, H7, g6, ISO 2768-m ..."
  StackErrNotTolerance = 1353,    // "Not a tolerance: give ±t, +a/-b, an ISO 286 class, ISO  ..."
  StackErrBadNumber = 1354,       // "The deviation is not a number (after ± a number of 0 or ..."
  StackErrLowerAbove = 1355,      // "The lower deviation lies above the upper one."
  StackErrClassUndefined = 1356,  // "The class has no value at this nominal size."
  StackErrGeneralNoValue = 1357,  // "ISO 2768 gives no linear tolerance for this nominal siz ..."
  StackErrBearingForm = 1358,     // "A bearing ring is written bearing (or bearing bore) for ..."
  StackErrNominal = 1359,         // "The nominal is not a length from 0 up to 100000 mm."
  StackErrHeader = 1360,          // "The first row must be: name,nominal,direction,tolerance ..."
  StackErrFieldCount = 1361,      // "The row does not have five fields."
  StackErrDirection = 1362,       // "The direction is + or -."
  StackErrDistribution = 1363,    // "The distribution is normal, uniform or triangular."
  StackErrNoRows = 1364,          // "The chain has no contributors."
  StackRowField = 1365,           // "Row %1, %2: %3"
  StackHistogram = 1366,          // "Monte Carlo histogram"
  StackShares = 1367,             // "Shares of the variance"
  StackCopy = 1368,               // "Copy"
  StackRunning = 1369,            // "Monte Carlo running…"
  StackToleranceHelp = 1370,      // "±0.1, +0.1/-0.05, an ISO 286 class (H7, g6) at the nomi ..."
  StackFileFilter = 1371,         // "Stack-up chains (*.csv)"
  StackReadFailed = 1372,         // "The file %1 could not be read."
  StackContributors = 1373,       // "Contributors"
  StackResults = 1374,            // "Results"
  StackNoResult = 1375,           // "No result: correct the marked contributors."
  StackLimits = 1376,             // "Limits of the closing dimension"
  StackLegend = 1377,             // "Marks: worst case (red), mean ± 3σ (blue), LSL/USL (black)"
  StackDirectionHelp = 1378,      // "+ where the contributor adds to the closing dimension,  ..."
  StackHistogramTitle = 1379,     // "Histogram of the closing dimension"

  // Rolling-bearing seats: the bearing-seat window, its answer and the probable fit.
  BearingSeat = 1200,            // "Bearing seat"
  BearingSeatHelp = 1201,        // "Recommended shaft and housing classes for the ring of a ..."
  SeatRing = 1202,               // "Ring"
  SeatInnerRing = 1203,          // "Inner ring on the shaft"
  SeatOuterRing = 1204,          // "Outer ring in the housing"
  SeatLoad = 1205,               // "Load on the ring"
  SeatLoadRotating = 1206,       // "Rotating: the ring turns relative to the load"
  SeatLoadStationary = 1207,     // "Stationary: the ring stands still relative to the load"
  SeatLoadIndeterminate = 1208,  // "Indeterminate load direction"
  SeatMagnitude = 1209,          // "Magnitude of the load"
  SeatLight = 1210,              // "Light"
  SeatNormal = 1211,             // "Normal"
  SeatHeavy = 1212,              // "Heavy"
  SeatBearingType = 1213,        // "Bearing"
  SeatBall = 1214,               // "Ball bearing"
  SeatRoller = 1215,             // "Cylindrical roller bearing"
  SeatDiameter = 1216,           // "Bore d or outside diameter D"
  SeatSource = 1217,             // "Recommended classes after ANSI/ABMA Standard 7, for a s ..."
  SeatClass = 1218,              // "Class"
  SeatConditionHeading = 1219,   // "Condition"
  ProbableFit = 1220,            // "Probable fit"
  SeatApply = 1221,              // "Apply to the main window"
  SeatInnerRingSlides = 1222,    // "The inner ring must slide easily on the shaft"
  SeatInnerRingNeedNotSlide = 1223,  // "The inner ring need not slide on the shaft"
  SeatHeatThroughShaft = 1224,       // "Heat flows in through the shaft"
  SeatSplitHousing = 1225,       // "Housing split axially, or a wider tolerance than H6 per ..."
  SeatHousingNotSplit = 1226,    // "Housing not split"
  SeatShockUnloading = 1227,     // "Shocks with temporary complete unloading"
  SeatOuterRingCanSlide = 1228,  // "The outer ring can usually slide; it may be tight or loose"
  SeatOuterRingNeedNotSlide = 1229,  // "The outer ring need not slide"
  SeatHeavyShock = 1230,             // "Heavy shocks; split housing not recommended"
  SeatLightRotating = 1231,          // "Light load"
  SeatThinWallHousing = 1232,        // "Thin-walled housing, not split"
  SeatWiderTolerance = 1233,         // "Where a wider tolerance is permissible"
  SeatRingUndefined = 1234,     // "ISO 492 Normal gives the ring no tolerance at this diam ..."
  SeatNoRecommendation = 1235,  // "The table recommends no class for this case."
  SeatNoSize = 1236,            // "Enter the diameter: a number greater than 0."
  BearingRingHelp = 1237,       // "The ring of a rolling bearing, ISO 492 Normal class: as ..."
  SeatOuterAbove400 = 1238,     // "Outside diameters over 400 mm: the ring tolerance rests ..."
  SeatDiameterRange = 1239,     // "diameter %1"
  SeatClassesUndefined = 1432,  // "Not listed, as ISO 286 gives them no values at this dia ..."
  ProbableFitShort = 1240,      // "Probable fit": results grid row under the fit
  // Press fits from the load.
  PressSlips = 1250,                // the load overcomes the friction: slip safety below 1
  PressLooseAtOperating = 1251,     // loose at the smallest interference at operating temperature
  PressLoad = 1252,                 // "Load to transmit": group title
  PressTorque = 1253,               // "Torque": field caption
  PressAxialForce = 1254,           // "Axial force": field caption
  PressRequiredSlipSafety = 1255,   // "Required safety against slip"
  PressRequiredYieldSafety = 1256,  // "Required safety against yielding"
  PressSlipSafetyOfFit = 1257,      // "Safety of this fit against slip: %1"
  PressFitsCarryingLoad = 1258,     // "Fits that carry the load": group title
  PressApplyFit = 1259,             // "Apply fit": button
  PressInterferenceWindow = 1260,   // "Required interference at least %1, permitted at most %2"
  PressNoFitCarries = 1261,         // no fit carries the load elastically: by %1, %2 times
  PressNoFitInRange = 1262,         // no fit of the system and range lies in the window
  PressLoose = 1263,                // "loose": a slip safety without pressure
  PressEnterLoad = 1264,            // "Enter a torque or an axial force ..."
  PressSlipSafety = 1265,           // "Slip safety": column
  PressHubSafetyShort = 1266,       // "Hub safety": column
  PressShaftSafetyShort = 1267,     // "Shaft safety": column
  PressFitsHelp = 1268,             // accessible description of the fits table
  PressDesignSystemHelp = 1269,     // "Hole basis, shaft basis or all combinations: ..."
  PressApplyFitHelp = 1270,         // "Takes the chosen fit to the main window"

  // Reports: the title fields and the windows' Copy, Print and PDF.
  ReportTitleEdit = 1400,   // "Report title…": the dialog and its action
  ReportPart = 1401,        // "Part"
  ReportDrawing = 1402,     // "Drawing number"
  ReportAuthor = 1403,      // "Author"
  ReportTitleNote = 1404,   // "Printed at the top of every page of the report; ..."
  CopyResultsHelp = 1405,   // "Copies the results to the clipboard as text"
  PrintResultsHelp = 1406,  // "Prints the results with the page's header"
  PdfResultsHelp = 1407,    // "Saves the results as a PDF file"
};

}  // namespace kalmo
