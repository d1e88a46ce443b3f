<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: permission denied. Install the udev rule (sudo cmake --install build puts it at %2), then unplug and plug the mouse again.</source>
        <translation>The mouse is connected, but %1 cannot be opened: permission denied. Install the udev rule (sudo cmake --install build puts it at %2), then unplug and plug the mouse again.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: %2. Unplug and plug the mouse again.</source>
        <translation>The mouse is connected, but %1 cannot be opened: %2. Unplug and plug the mouse again.</translation>
    </message>
</context>
<context>
    <name>FileNameRule</name>
    <message>
        <source>it is empty</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>it is "." or ".."</source>
        <translation>it is "." or ".."</translation>
    </message>
    <message>
        <source>it contains one of / \ : * ? " &lt; &gt; |</source>
        <translation>it contains one of / \ : * ? " &lt; &gt; |</translation>
    </message>
    <message>
        <source>it contains control characters</source>
        <translation>it contains control characters</translation>
    </message>
    <message>
        <source>it contains invisible formatting characters (such as U+202E or U+200B)</source>
        <translation>it contains invisible formatting characters (such as U+202E or U+200B)</translation>
    </message>
    <message>
        <source>it ends with a dot or a space</source>
        <translation>it ends with a dot or a space</translation>
    </message>
    <message>
        <source>it is longer than %1 characters or %2 bytes</source>
        <translation>it is longer than %1 characters or %2 bytes</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>it is longer than %1 bytes</translation>
    </message>
</context>
<context>
    <name>KeyCaptureEditor</name>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
</context>
<context>
    <name>Macro</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST 63 EVENTS. NOTHING MORE WAS ADDED.</source>
        <translation>A MACRO HOLDS AT MOST 63 EVENTS. NOTHING MORE WAS ADDED.</translation>
    </message>
    <message>
        <source>THE MOUSE KEEPS ONLY THE FIRST 51 EVENTS OF A MACRO WITHOUT DELAYS; THE REST WILL NOT PLAY.</source>
        <translation>THE MOUSE KEEPS ONLY THE FIRST 51 EVENTS OF A MACRO WITHOUT DELAYS; THE REST WILL NOT PLAY.</translation>
    </message>
    <message>
        <source>THE FILE HOLDS MORE THAN 63 EVENTS; ONLY THE FIRST 63 WERE KEPT.</source>
        <translation>THE FILE HOLDS MORE THAN 63 EVENTS; ONLY THE FIRST 63 WERE KEPT.</translation>
    </message>
    <message>
        <source>THIS IS NOT A MACRO FILE.</source>
        <translation>THIS IS NOT A MACRO FILE.</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>THE MACRO FILE COULD NOT BE WRITTEN.</source>
        <translation>THE MACRO FILE COULD NOT BE WRITTEN.</translation>
    </message>
    <message>
        <source>A RECORDING WITHOUT DELAYS HOLDS AT MOST %1 EVENTS. NOTHING MORE WAS RECORDED.</source>
        <translation>A RECORDING WITHOUT DELAYS HOLDS AT MOST %1 EVENTS. NOTHING MORE WAS RECORDED.</translation>
    </message>
    <message>
        <source>THIS NAME CANNOT BE USED AS A MACRO NAME: %1.</source>
        <translation>THIS NAME CANNOT BE USED AS A MACRO NAME: %1.</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>IMPORT MACRO</source>
        <translation>IMPORT MACRO</translation>
    </message>
    <message>
        <source>EXPORT MACRO</source>
        <translation>EXPORT MACRO</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>THE MACRO FILE COULD NOT BE WRITTEN.</source>
        <translation>THE MACRO FILE COULD NOT BE WRITTEN.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>NO MOUSE DETECTED!</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>GAMING MOUSE CONFIG</source>
        <translation>GAMING MOUSE CONFIG</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>Program Profiles</translation>
    </message>
</context>
<context>
    <name>ProfileFileCommands</name>
    <message>
        <source>Mode %1: "%2"</source>
        <translation>Mode %1: "%2"</translation>
    </message>
    <message>
        <source>These profile names cannot be file names, so their profiles were neither loaded nor saved. Rename them:</source>
        <translation>These profile names cannot be file names, so their profiles were neither loaded nor saved. Rename them:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The profile list could not be saved to %1.</source>
        <translation>The profile list could not be saved to %1.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>The profile file could not be written.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>The profile file could not be deleted.</source>
        <translation>The profile file could not be deleted.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>The profile could not be exported.</source>
        <translation>The profile could not be exported.</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>The profile could not be imported.</source>
        <translation>The profile could not be imported.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile: %1.</source>
        <translation>This name cannot be used for a profile: %1.</translation>
    </message>
</context>
<context>
    <name>ProgramProfilesDialog</name>
    <message>
        <source>Stay</source>
        <translation>Stay</translation>
    </message>
    <message>
        <source>Program Profiles</source>
        <translation>Program Profiles</translation>
    </message>
    <message>
        <source>Switch the mode for the program in front</source>
        <translation>Switch the mode for the program in front</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>Other programs:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Executable or window class</source>
        <translation>Executable or window class</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Open programs</source>
        <translation>Open programs</translation>
    </message>
    <message>
        <source>On Wayland the program in front cannot be known: only programs that run under X11 (XWayland) are followed.</source>
        <translation>On Wayland the program in front cannot be known: only programs that run under X11 (XWayland) are followed.</translation>
    </message>
    <message>
        <source>The program in front cannot be known on this desktop: the mode does not follow it.</source>
        <translation>The program in front cannot be known on this desktop: the mode does not follow it.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(none found)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The program profiles could not be saved.</source>
        <translation>The program profiles could not be saved.</translation>
    </message>
</context>
<context>
    <name>UploadCheck</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>%1 is missing, empty or unreadable. Start every profile from the mouse's defaults?</source>
        <translation>%1 is missing, empty or unreadable. Start every profile from the mouse's defaults?</translation>
    </message>
    <message>
        <source>The profile file %1 is missing, empty or unreadable. Start profile %2 from the mouse's defaults?</source>
        <translation>The profile file %1 is missing, empty or unreadable. Start profile %2 from the mouse's defaults?</translation>
    </message>
    <message>
        <source>%1: %2 = %3 (allowed: %4)</source>
        <translation>%1: %2 = %3 (allowed: %4)</translation>
    </message>
    <message>
        <source>Nothing was sent: the mouse has no setting for these values.</source>
        <translation>Nothing was sent: the mouse has no setting for these values.</translation>
    </message>
    <message>
        <source>These macros have no file; their buttons get pauses only: %1</source>
        <translation>These macros have no file; their buttons get pauses only: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2. Nothing was sent to the mouse.</source>
        <translation>The settings could not be saved to %1: %2. Nothing was sent to the mouse.</translation>
    </message>
    <message>
        <source>The mouse did not take every setting: %1 failed (%2). Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</source>
        <translation>The mouse did not take every setting: %1 failed (%2). Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</translation>
    </message>
</context>
<context>
    <name>VornBtnWindow</name>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>You can only assign 7 different macros.</source>
        <translation>You can only assign 7 different macros.</translation>
    </message>
    <message>
        <source>You can only assign 20 different macros.</source>
        <translation>You can only assign 20 different macros.</translation>
    </message>
</context>
<context>
    <name>VornColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLY</translation>
    </message>
</context>
<context>
    <name>VornColorWindow</name>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The lighting preview did not reach the mouse. Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</source>
        <translation>The lighting preview did not reach the mouse. Replug the mouse and try again; if it fails again, start the program with KORVALEN_HID_TRACE=&lt;file&gt; and send that file to support.</translation>
    </message>
</context>
<context>
    <name>VornComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
</context>
<context>
    <name>VornDPIWindow</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>STAGE %1</source>
        <translation>STAGE %1</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
</context>
<context>
    <name>VornFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
</context>
<context>
    <name>VornGunEditDialog</name>
    <message>
        <source>Gun Edit</source>
        <translation>Gun Edit</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>GUN EDIT</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>VornGunsetDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>VornLiftOffDistance</name>
    <message>
        <source>3 mm</source>
        <translation>3 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>Lift Off Distance</source>
        <translation>Lift Off Distance</translation>
    </message>
</context>
<context>
    <name>VornMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>VornMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>VornPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation>POINTER SPEED</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
</context>
<context>
    <name>VornReportRate</name>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
</context>
<context>
    <name>VornSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
</context>
<context>
    <name>VornSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
</context>
</TS>