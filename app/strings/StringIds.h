#pragma once

// The ids of the program's strings. A language library carries the same ids; its texts
// replace the English ones of StringTable.cpp.
namespace StringId {

constexpr unsigned PleaseEnterNoMoreThan = 3; // data validation, "%1" the character limit
constexpr unsigned Browse = 11;

// Title Page.
constexpr unsigned Company = 31;
constexpr unsigned Author = 32;
constexpr unsigned Date = 33;
constexpr unsigned NoDate = 34;
constexpr unsigned GeneralComments = 35;
constexpr unsigned SetImage = 36;
constexpr unsigned ClearImage = 37;
constexpr unsigned CannotOpenKeyForLogo = 38;

// Image Select page and loading a project's files.
constexpr unsigned NoSnapshotsInFolder = 39;
constexpr unsigned NoImagesInFolder = 40;
constexpr unsigned ThermalSnapshot = 41;
constexpr unsigned VisualImage = 42;
constexpr unsigned Inspections = 43;
constexpr unsigned EmptySnapshotName = 44;
constexpr unsigned AbortingLoad = 45;
constexpr unsigned CouldNotFind = 46;
constexpr unsigned NoBitmapFromSnapshot = 47;
constexpr unsigned InvalidBitmap = 48;
constexpr unsigned FailedToLoadJpeg = 49;
constexpr unsigned InvalidBitmapForImage = 50;
constexpr unsigned NoSelectionForImage = 51;
constexpr unsigned InternalError = 52;
constexpr unsigned NotAllReportsRemoved = 53;
constexpr unsigned InvalidSnapshotFolder = 54;
constexpr unsigned InvalidImageFolder = 55;
constexpr unsigned SnapshotFolder = 56;
constexpr unsigned ImageFolder = 57;
constexpr unsigned Refresh = 58;
constexpr unsigned Add = 59;
constexpr unsigned AddAll = 60;
constexpr unsigned RemoveRow = 61;
constexpr unsigned RemoveAllRows = 62;
constexpr unsigned PairImage = 63;
constexpr unsigned PairAllImages = 64;
constexpr unsigned UnpairImage = 65;
constexpr unsigned UnpairAllImages = 66;

// Inspection Data page (and the labels the report prints with the same words).
constexpr unsigned Inspection = 68;
constexpr unsigned Of = 69;
constexpr unsigned Previous = 70;
constexpr unsigned Next = 71;
constexpr unsigned GeneratePdfReport = 72;
constexpr unsigned InspectionName = 73;
constexpr unsigned Operator = 74;
constexpr unsigned Location = 75;
constexpr unsigned Equipment = 76;
constexpr unsigned Comment = 77;
constexpr unsigned MeasuredLoad = 78;
constexpr unsigned RatedLoad = 79;
constexpr unsigned LoadPercent = 80;
constexpr unsigned RepairPriority = 81;
constexpr unsigned PriorityScale = 82;
constexpr unsigned None = 83;
constexpr unsigned FaultRecommendedAction = 84;
constexpr unsigned Inspected = 85;
constexpr unsigned Repaired = 86;
constexpr unsigned Reinspected = 87;
constexpr unsigned Initials = 88;
constexpr unsigned PenSize = 89;
constexpr unsigned PenColour = 90;
constexpr unsigned Change = 91;
constexpr unsigned Undo = 92;
constexpr unsigned Clear = 93;
constexpr unsigned TemperatureUnits = 94;
constexpr unsigned Cursor = 95;
constexpr unsigned Difference = 96;
constexpr unsigned Emissivity = 97;
constexpr unsigned ReflectedTemp = 98;
constexpr unsigned WindSpeed = 99;
constexpr unsigned PressureDifference = 100;
constexpr unsigned NoReportsSelected = 101;
constexpr unsigned CouldNotOpenQvx = 102;
constexpr unsigned PdfObjectFailed = 103;

// Report layout and PDF output.
constexpr unsigned PageOf = 105;
constexpr unsigned ThermographyReportTitle = 106;
constexpr unsigned BuildingReportTitle = 107;
constexpr unsigned Contents = 108;
constexpr unsigned Description = 109;
constexpr unsigned PageNumber = 110;
constexpr unsigned Summary = 111;
constexpr unsigned InspectionNumber = 112;
constexpr unsigned FaultAction = 113;
constexpr unsigned Priority = 114;
constexpr unsigned Snapshot = 115;
constexpr unsigned Time = 116;
constexpr unsigned TemperatureMeasurements = 117;
constexpr unsigned MeasurementParameters = 118;
constexpr unsigned RepairAction = 119;
constexpr unsigned Action = 120;
constexpr unsigned PdfTemporaryFileError = 121;
constexpr unsigned PdfSaveError = 122;
constexpr unsigned PdfJobCancelled = 123;
constexpr unsigned PdfObjectFailedNoPdf = 124;

// Settings.
constexpr unsigned CannotOpenKeyForTempUnit = 125;
constexpr unsigned CannotWriteTempUnit = 126;

// Project file.
constexpr unsigned Untitled = 133;
constexpr unsigned SelectionCountMismatch = 134;
constexpr unsigned QvrFileError = 214;
constexpr unsigned ErrorReadingQvr = 280;
constexpr unsigned ErrorWritingQvr = 281;

// Buildings template.
constexpr unsigned Inspector = 190;
constexpr unsigned Material = 191;
constexpr unsigned MaterialValue = 192;
constexpr unsigned MaterialCondition = 193;
constexpr unsigned NoComment = 194;
constexpr unsigned Template = 195;
constexpr unsigned Maintenance = 196;
constexpr unsigned Buildings = 197;
constexpr unsigned Good = 198;
constexpr unsigned Poor = 199;
constexpr unsigned IndoorTemperature = 200;
constexpr unsigned OutdoorTemperature = 201;
constexpr unsigned RelativeHumidity = 202;

// Registry messages of the Title Page.
constexpr unsigned CannotWriteLogo = 300;
constexpr unsigned CannotOpenKeyForCompany = 301;
constexpr unsigned CannotWriteCompany = 302;
constexpr unsigned CannotOpenKeyForAuthor = 303;
constexpr unsigned CannotWriteAuthor = 304;

// Questions before the user's work is dropped.
constexpr unsigned ClearAllArrows = 310;
constexpr unsigned RemoveTypedInspections = 311;
constexpr unsigned RecentProjectGone = 312;

// Product, about box and start-up.
constexpr unsigned ProductTitle = 451;
constexpr unsigned ProductName = 452;
constexpr unsigned Version = 453;
constexpr unsigned LegalNotice = 455;
constexpr unsigned ErrorLoadingLibrary = 456;
constexpr unsigned IncorrectLibrary = 457;
constexpr unsigned SaveChangesTo = 1058;
constexpr unsigned PleaseEnterInteger = 1093;

// Severity criteria, the findings graded by them and the tracking table.
constexpr unsigned SeverityCriteriaCaption = 700;
constexpr unsigned CriteriaNone = 701;
constexpr unsigned SimilarComponents = 702;
constexpr unsigned OverAmbient = 703;
constexpr unsigned CustomCriteria = 704;
constexpr unsigned PossibleDeficiency = 705;
constexpr unsigned ProbableDeficiency = 706;
constexpr unsigned SeriousDeficiency = 707;
constexpr unsigned MajorDiscrepancy = 708;
constexpr unsigned WarrantsInvestigation = 709;
constexpr unsigned RepairAsTimePermits = 710;
constexpr unsigned MonitorUntilCorrected = 711;
constexpr unsigned RepairImmediately = 712;
constexpr unsigned UseSuggestion = 713;
constexpr unsigned Severity = 714;
constexpr unsigned SeverityCriteriaLine = 715; // "%s" the criteria's name
constexpr unsigned UpperBound = 716;
constexpr unsigned SeverityClassHeading = 717;
constexpr unsigned RecommendedAction = 718;
constexpr unsigned SuggestedPriority = 719;
constexpr unsigned AboveBound = 720; // "%s" the last bound with its unit
constexpr unsigned AddClass = 721;
constexpr unsigned RemoveClass = 722;
constexpr unsigned BoundaryRule = 723;
constexpr unsigned AmbientReference = 724;
constexpr unsigned BoundsMustRise = 725; // "%d" the class number
constexpr unsigned ClassNeedsName = 726; // "%d" the class number
constexpr unsigned CriteriaGrades = 727;
constexpr unsigned ExportTrackingTable = 728;
constexpr unsigned CsvFiles = 729;
constexpr unsigned CannotWriteTrackingTable = 730; // "%s" the file and the reason
constexpr unsigned TrackingNumber = 731;
constexpr unsigned InspectedInitials = 732;
constexpr unsigned RepairedInitials = 733;
constexpr unsigned ReinspectedInitials = 734;
constexpr unsigned SnapshotFile = 735;
constexpr unsigned PhotoFile = 736;

// File dialogs.
constexpr unsigned PdfFiles = 1109;
constexpr unsigned AllFiles = 1110;
constexpr unsigned Open = 1129;
constexpr unsigned SaveAs = 1143;

// Message box buttons.
constexpr unsigned Ok = 1135;
constexpr unsigned Cancel = 1136;
constexpr unsigned Yes = 1137;
constexpr unsigned No = 1138;

// Languages.
constexpr unsigned ErrorWritingSetting = 1145;
constexpr unsigned English = 1088;
constexpr unsigned German = 1146;
constexpr unsigned French = 1147;
constexpr unsigned Spanish = 1148;
constexpr unsigned Italian = 1149;
constexpr unsigned Chinese = 1150;
constexpr unsigned Japanese = 1151;
constexpr unsigned Korean = 1152;
constexpr unsigned UsEnglish = 1153;
constexpr unsigned RestartToApply = 1154;
constexpr unsigned Language = 1155;
constexpr unsigned LanguageKey = 1156;
constexpr unsigned Portuguese = 1159;
constexpr unsigned Russian = 177;
constexpr unsigned Dutch = 2000;
constexpr unsigned Czech = 2001;
constexpr unsigned Hebrew = 2002;

// Report options, the end of a report run.
constexpr unsigned ReportOptions = 2200;
constexpr unsigned SameColourScale = 2201;
constexpr unsigned ReportCancelled = 2202;
constexpr unsigned ReportSaved = 2203; // "%s" the report's path
constexpr unsigned CannotOpenReport = 2204;

// The Image Select page: report order, typed folders, files that cannot be used.
constexpr unsigned MoveUp = 2300;
constexpr unsigned MoveDown = 2301;
constexpr unsigned FolderNotFound = 2302; // "%1" the folder as typed
constexpr unsigned CannotBeRead = 2303;
constexpr unsigned FileNotReadable = 2304;
constexpr unsigned NotAReadableSnapshot = 2305;
constexpr unsigned SnapshotWithoutPicture = 2306;
constexpr unsigned NotAReadableBitmap = 2307;
constexpr unsigned PictureNotDecodable = 2308;
constexpr unsigned PictureHasErrors = 2309; // "%1" the decoder's words
// Projects that travel: moved files found again, the Missing Files dialog, packing.
constexpr unsigned MissingFiles = 2400;
constexpr unsigned SearchFolder = 2401;
constexpr unsigned Locate = 2402;
constexpr unsigned RemoveInspection = 2403;
constexpr unsigned RemoveLogo = 2404;
constexpr unsigned MissingFilesIntro = 2405;
constexpr unsigned MissingFileColumn = 2406;
constexpr unsigned BelongsToColumn = 2407;
constexpr unsigned Logo = 2408;
constexpr unsigned InspectionOfFile = 2409; // "%d" the inspection's number
constexpr unsigned FilesFoundElsewhere = 2410; // "%d" how many
constexpr unsigned MoreFilesFound = 2411; // "%d" how many
constexpr unsigned ChooseSearchFolder = 2412;
constexpr unsigned SameNameFiles = 2413; // "%s" the file name
constexpr unsigned NotAValidSnapshot = 2414; // "%s" the path
constexpr unsigned NotAValidPicture = 2415; // "%s" the path
constexpr unsigned NothingFoundInFolder = 2416; // "%s" the folder
constexpr unsigned PackProject = 2417;
constexpr unsigned PackFolderNotEmpty = 2418; // "%s" the folder
constexpr unsigned PackCannotCreateFolder = 2419; // "%s" the folder
constexpr unsigned PackCannotRead = 2420; // "%s" the file
constexpr unsigned PackCannotWrite = 2421; // "%s" the file
constexpr unsigned PackDone = 2422; // "%s" the folder, "%d" the files, "%s" the size
constexpr unsigned PackFileOf = 2423;
constexpr unsigned PackCancelled = 2424; // "%s" the folder
constexpr unsigned SnapshotFiles = 2425;
constexpr unsigned ImageFiles = 2426;
constexpr unsigned PackNothingLeft = 2427; // "%s" the folder
// The measurements the thermographer adds, as the report prints them.
constexpr unsigned BoxTable = 2500; // the table's title; "Box n" labels its rows
constexpr unsigned BoxStatisticsHeading = 2501;
// The measurement tools of the Inspection Data page.
constexpr unsigned CameraValues = 2550;
constexpr unsigned Palette = 2551;
constexpr unsigned GreyPalette = 2552;
constexpr unsigned IronbowPalette = 2553;
constexpr unsigned RainbowPalette = 2554;
constexpr unsigned HighContrastPalette = 2555;
constexpr unsigned ColourRange = 2556;
constexpr unsigned AutomaticRange = 2557;
constexpr unsigned ManualRange = 2558;
constexpr unsigned RangeLowHigh = 2559;
constexpr unsigned RangeLowBelowHigh = 2560;
constexpr unsigned ArrowTool = 2561;
constexpr unsigned SpotTool = 2562;
constexpr unsigned BoxTool = 2563;
constexpr unsigned ArrowToolTip = 2564;
constexpr unsigned SpotToolTip = 2565;
constexpr unsigned BoxToolTip = 2566;
constexpr unsigned TooManySpots = 2567; // "%d" the most spots
constexpr unsigned TooManyBoxes = 2568; // "%d" the most boxes
constexpr unsigned BoxStatisticsLine = 2570; // box number, maximum, minimum, average

// The application name, and the tab captions of the three pages.
constexpr unsigned ApplicationName = 57344;
constexpr unsigned TitlePage = 61205;
constexpr unsigned ImageSelect = 61206;
constexpr unsigned InspectionData = 61207;

} // namespace StringId
