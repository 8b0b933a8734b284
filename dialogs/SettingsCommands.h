#pragma once

class ContactRecord;

// The commands that run a settings dialog and carry its result: on OK they
// write the changed defaults under "_Default", update DefaultSettings and
// copy the values into every contact window that follows the defaults,
// writing that contact's values at once. Cancel changes nothing. They walk
// the contact list only after the dialog, so a contact found by a poll
// while it is open is included.

// The tray menu's commands.
void SetDefaultDisplayRules();
void SetDefaultSoundAlerts();
void SetDefaultSpeechAlerts();
void SetBorderColors();
void SetNameColors();
void SetTransparencyForAllContacts();

// "Contact Properties" for one contact: its custom name and display rule.
// Run from the contact's window and from the tray menu.
void ShowContactProperties(ContactRecord* pRecord);
