#pragma once
// Field tables of the general blocks of ProjectRec, file offsets 0..2998 (combined in
// project_rec.h). Values are held in imperial units whatever the display: Btu/h, °F, ft.

// Header: the version tag ("KQ7" when saved; "KQ2".."KQ6" are converted on reading).
#define PELLAVAN_PROJECT_HEADER_FIELDS(F, A) \
  F(0, Text<3>, FileTag)                     \
  F(3, Text<25>, Header_Spare1)

// Zoom: 18 report zoom percentages, then six of the bin-analysis viewer.
#define PELLAVAN_PROJECT_ZOOM_FIELDS(F, A) \
  F(28, Int16, Zoom_HeatPumpBin)           \
  F(30, Int16, Zoom_HeatPumpSummary)       \
  F(32, Int16, Zoom_HeatPumpGraph)         \
  F(34, Int16, Zoom_FurnaceBin)            \
  F(36, Int16, Zoom_FurnaceSummary)        \
  F(38, Int16, Zoom_FurnaceGraph)          \
  F(40, Int16, Zoom_GeoABin)               \
  F(42, Int16, Zoom_GeoAGraph)             \
  F(44, Int16, Zoom_GeoASummary)           \
  F(46, Int16, Zoom_GeoBBin)               \
  F(48, Int16, Zoom_GeoBGraph)             \
  F(50, Int16, Zoom_GeoBSummary)           \
  F(52, Int16, Zoom_GeoTBin)               \
  F(54, Int16, Zoom_GeoTOperating)         \
  F(56, Int16, Zoom_GeoTGraph)             \
  F(58, Int16, Zoom_GeoTSummary)           \
  F(60, Int16, Zoom_Project)               \
  F(62, Int16, Zoom_ProjectGraph)          \
  F(64, Int16, BinZoom_GeoA)               \
  F(66, Int16, BinZoom_GeoB)               \
  F(68, Int16, BinZoom_GeoTBin)            \
  F(70, Int16, BinZoom_GeoTOp)             \
  F(72, Int16, BinZoom_HeatPump)           \
  F(74, Int16, BinZoom_Furnace)            \
  F(76, Text<35>, Zoom_Spare1)

// Client: the customer.
#define PELLAVAN_PROJECT_CLIENT_FIELDS(F, A) \
  F(111, Text<40>, Client_Name)              \
  F(151, Text<40>, Client_Address)           \
  F(191, Text<40>, Client_Spare1)            \
  F(231, Text<40>, Client_City)              \
  F(271, Text<5>, Client_State)              \
  F(276, Text<15>, Client_Zip)               \
  F(291, Text<60>, Client_Notes)             \
  F(351, Text<20>, Client_HomePhone)         \
  F(371, Text<20>, Client_WorkPhone)         \
  F(391, Text<20>, Client_CellPhone)         \
  F(411, Text<80>, Client_Email)             \
  F(491, Text<116>, Client_Spare2)

// Dealer: copied from the settings file, except Dealer_Notes.
#define PELLAVAN_PROJECT_DEALER_FIELDS(F, A) \
  F(607, Text<40>, Dealer_Name)              \
  F(647, Text<40>, Dealer_Address)           \
  F(687, Text<40>, Dealer_Spare1)            \
  F(727, Text<40>, Dealer_City)              \
  F(767, Text<5>, Dealer_State)              \
  F(772, Text<15>, Dealer_Zip)               \
  F(787, Text<20>, Dealer_Phone)             \
  F(807, Text<20>, Dealer_Fax)               \
  F(827, Text<60>, Dealer_Notes)             \
  F(887, Text<20>, Dealer_CellPhone)         \
  F(907, Text<80>, Dealer_Email)             \
  F(987, Text<40>, Dealer_Contact)           \
  F(1027, Text<76>, Dealer_Spare2)

// Project: number, title, date and notes.
#define PELLAVAN_PROJECT_PROJECT_FIELDS(F, A) \
  F(1103, Text<20>, Project_Number)           \
  F(1123, Text<30>, Project_Title)            \
  F(1153, Date, Project_Date)                 \
  F(1161, Text<165>, Project_Notes)           \
  F(1326, Text<300>, Project_Spare1)

// Systems: the three comparison columns. Type codes 0 none, 1 Geo A, 2 Geo B, 3 air-source
// heat pump, 4 furnace/boiler, 6 Geo T; Freeze 1 keeps the user's description.
#define PELLAVAN_PROJECT_SYSTEMS_FIELDS(F, A) \
  F(1626, Text<75>, System1_Description)      \
  F(1701, Text<75>, System2_Description)      \
  F(1776, Text<75>, System3_Description)      \
  F(1851, Text<300>, Systems_Spare1)          \
  F(2151, Int16, System1_Type)                \
  F(2153, Int16, System2_Type)                \
  F(2155, Int16, System3_Type)                \
  F(2157, Text<80>, Systems_Spare2)           \
  F(2237, Int16, System1_Freeze)              \
  F(2239, Int16, System2_Freeze)              \
  F(2241, Int16, System3_Freeze)              \
  F(2243, Text<80>, Systems_Spare3)

// Loads: city id and design loads (Btu/h), temperature differences and set points (°F).
#define PELLAVAN_PROJECT_LOADS_FIELDS(F, A) \
  F(2323, Int16, Loads_CityId)              \
  F(2325, Int32, Loads_HeatLoad)            \
  F(2329, Int16, Loads_HeatDeltaT)          \
  F(2331, Int32, Loads_CoolLoad)            \
  F(2335, Int16, Loads_CoolDeltaT)          \
  F(2337, Int16, Loads_DhwTemp)             \
  F(2339, Int16, Loads_DhwUsers)            \
  F(2341, Int16, Loads_ContFan)             \
  F(2343, Int16, Loads_HeatSetPoint)        \
  F(2345, Int16, Loads_CoolSetPoint)        \
  F(2347, Int16, Loads_CoolStart)           \
  F(2349, Int16, Loads_SolarGain)           \
  F(2351, Int16, Loads_OccupancyGain)       \
  F(2353, Int16, Loads_ElecGain)            \
  F(2355, Int16, Loads_Construction)        \
  F(2357, Currency, Loads_SensibleRatio)    \
  F(2365, Int32, Loads_SensibleLoad)        \
  F(2369, Int16, Loads_SensibleMode)        \
  F(2371, Text<106>, Loads_Spare1)

// Print: options of the reports window, 0/1 each (Print_GeoT lies in the Geo T block).
#define PELLAVAN_PROJECT_PRINT_FIELDS(F, A) \
  F(2477, Int16, Print_BlackWhite)          \
  F(2479, Int16, Print_Title)               \
  F(2481, Int16, Print_Project)             \
  F(2483, Int16, Print_CompGraph)           \
  F(2485, Int16, Print_Summary)             \
  F(2487, Int16, Print_Bin)                 \
  F(2489, Int16, Print_BinGraph)            \
  F(2491, Int16, Print_GeoA)                \
  F(2493, Int16, Print_GeoB)                \
  F(2495, Int16, Print_HeatPump)            \
  F(2497, Int16, Print_Furnace)             \
  F(2499, Text<500>, Print_Spare1)
