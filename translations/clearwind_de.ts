<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BodyMonitorPanel</name>
    <message>
        <source>Blood pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is your blood pressure. If you don&apos;t smoke for 20 minutes your blood pressure will drop down to normal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxygen level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxigen level in your blood. The element of life. The higher these levels are, the more energy you have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbon monoxide level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These are the carbon monoxide (a toxic gas) levels in your blood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taste and smell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of taste and smell. Your sense of taste and smell will return to a normal level after 2 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy levels. Your bronchial tubes will relax after a while , so your energy levels will start to increase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blood circulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blood circulation. To stay healthy, it is very important to have good blood circulation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lung capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lung capicity. coughs, wheezing and breathing problems will vanish as your lung capacity improves by 10-30%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This shows your body functions compared to a non smoker. Move your mouse over the meters to get detailed info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smoker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoachTab</name>
    <message>
        <source>I have mental or emotional withdrawal symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Things you can do to forget about smoking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show me my list of personal reasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I found a good reason to smoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carvings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember, as time goes by, this feeling will go away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling bored is always temporary. It will go away within two weeks. Keep up the good work!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alone / Lonely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find something to keep your mind busy. Talk to other ex-smokers on internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a walk. Do deep breathing exercises.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling restless will usually go aways within a few days after quitting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember, you will in time find another way to cope with stress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncomfortable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It might be a good idea to skip a party if you have just stopped smoking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take it easy your depression will go away within 2-5 weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I just can&apos;t quit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I think it&apos;s better to quit by gradual reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitting Smoking is giving up a part of my life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I will switch to safer cigarettes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I think it&apos;s to late. I think i am already sick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I will just smoke a lot less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoking is the only wat i can deal with stress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How else would I deal with a (new) situation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It&apos;s the only way I can feel good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Smoke because I don&apos;t care if I destroy myself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Smoke Because I just like to smoke.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am a nicotine junkie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cigarettes are my (only) friend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other people around me also smoke.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your personal reason not to smoke here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next  &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi. I am your coach. I will try to help you mental and emotional problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smoking sucks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice on mental and emotional withdrawal symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Things you can do...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your personal reasons not to smoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reasons to smoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer to your reason to smoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi. I am your coach. I will try to help you mentally and emotionally.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let me know what the problem is...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do you feel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here are some things you can do to forget about smoking. Click on &apos;next&apos; to see more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit you personal reasons here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your personal reasons could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Clearwind anyway? What you wrote since the last save will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you think you have found a good reason to smoke select it from the list, then click on &apos;My answer&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not select anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remeber, there is NO good reason to start smoking again. It&apos;s the nicotin addiction trying to mess with your mind.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CounterTab</name>
    <message>
        <source>Companion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Companion says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoke-free days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoke-free hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoke-free minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoke-free seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For starting to stop smoking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking for 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For geting back your sense of taste and smell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking 100 cigarettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For extending your life by 1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking for a week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking 500 cigarettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking for a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking 1000 cigarettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For not smoking for a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have stopped smoking for :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have earned a star :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unreadable date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unreadable time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You stopped smoking on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> at </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CravingDialog</name>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 hours ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log a craving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I smoked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How &amp;strong?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What set it &amp;off?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;When?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>very strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional: where you were, what helped...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The craving could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cravings file was full, so this craving starts a new one. The full file is kept beside it as %1, and the journey reads both.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CravingWords</name>
    <message>
        <source>Well done! Every craving that passes makes the next one weaker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It passed, as cravings do. You were stronger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another craving beaten. Be proud of yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One slip does not undo your smoke-free time. The next hour is a new start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A slip is not a relapse. You noted it, and that helps: carry on from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be kind to yourself. What you have gained stays gained.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Deaths</name>
    <message>
        <source>There have been %1 smoking related deaths since you stopped smoking.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogMessageService</name>
    <message>
        <source>Clearwind</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiseasePanel</name>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance of having a heart attack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart attack risk reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance of having a stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke risk reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance of lung cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lung cancer risk reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance of having a common sickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common sickness risk reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RISK NORMAL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DoctorTab</name>
    <message>
        <source>Hello. I am your doctor. I can give you information about your health and help you with some problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello. I am your doctor. I can give you information about your health.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello. I am your virtual doctor. I can give you information about your health.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disease stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawal symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My body weight?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a week or two you should begin feeling much better. You will see that you have more energy than you may have felt in years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constipation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drink plenty of liquids, eat fruits, vegetables, and whole grain cereals. Go for walks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tightness in chest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember that your lungs need moisture to help with healing and flushing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time perception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time perception will go back to normal, as soon as the other withdrawal symptoms dissapear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dizzy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get fresh air, go for a walk, change positions slowly until your body adjusts to increased oxygen intake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sore throat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suck sweets, eat honey or anything else that will soothe your throat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad taste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eat something that will make your bad taste go away, and drink lot&apos;s of water ofcourse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try deep breathing and do some exercise. Within 4 weeks this symtons will stop to appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleeping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try to sleep as much as you can. Take a hot bath, avoid caffeine a few hours before you go sleep, try relaxing at bedtime with a glass of warm milk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t  concentrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change activities, get some fresh air, exercise, deep breathe, listen to music, watch TV, do more physical activity,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headaches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are many things you can do about headaches. Try searching the internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remeber, if a symptom won&apos;t go away in a few weeks, or if you think it is not normal, go visit a doctor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About smoking and weight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why do smokers gain weight after they quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What can I do about it ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice on withdrawal symptoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice on body weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What physical withdrawal symptoms are you experiencing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What withdrawal symptom are you experiencing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember, the health benefits of quitting smoking are far greater than any risks from the small weight gain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This shows how much percent your chance has been reduced of getting these diseases. It&apos;s not personal, but average for any smoker with your stop time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportWindow</name>
    <message>
        <source>Clearwind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind report.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Greetings</name>
    <message>
        <source>Welcome back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good to see you again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very nice!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JourneyTab</name>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading your journey...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log a craving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of your cravings could not be read. They are kept in the file as they are.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The charts could not be shown; their figures are in the table below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind journey.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journey could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clearwind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Professor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is already running. You cannot start it twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Milestones</name>
    <message>
        <source>Hi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How are you feeling?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome %1. Congratulations on your decision to stop smoking! If this is the first time you are using the program, feel free to explore...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes smoke free...  a good start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t forget to prepare yourself for the comming days. Read the tips provided by the professor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIP : If you feel like smoking, take a walk and get some fresh air. It will also give you time to think about it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good job, you bloodpressure is back to a normal level now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More then 40 minutes smoke free. well done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Almost 1 hour. Don&apos;t forget to make a list of reason why YOU don&apos;t want to smoke. Keep this list available to read at all time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations, you have not smoked for more then 1 hour, keep up the good work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very good. Your pulse rate is normal again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are smoke-free for more then 2 hours. This was easy, right?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More then 3 hours smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done. 4 hours smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are doing great! Don&apos;t forget to read the stop-tips provided by the professor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations, more then 8 hours smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good! Your oxygen levels in your blood are normal again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep it up! You earned a star for not smoking for 24 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done. Your blood carbon monoxide levels have dropped to normal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect, you are on the right path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling any withdrawal symptoms?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re almost 2 days smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maybe you don&apos;t feel great now, but you are doing a great job!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 days smoke free! You earned a star today!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very nice! Your chance of having a heart attack has decreased and your sense of taste and smell has returned to a normal level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In less then %1 hours, you&apos;re 3 days smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My compliments. All nicotine has left your body!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a difficult day, but if you can make it trough this day, the next days will be easier!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your energy levers are increasing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do you feel? Try to be strong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical withdrawal peaks within 72 hours, so tomorrow you will feel better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m proud of you! 4 days smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How do you feel? I hope you feel a lot better now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 days, very nice! Your withdrawal symptoms should start to dissapear slowly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Because you have quit, certain nerve endings have already re-grown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 days, excellent! Just don&apos;t smoke this day, and you will earn a star for 1 week smoke free!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One week! I knew you could do it! You earned a star for not smoking for a week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good job.  8 days smoke free! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 days. This is something to be proud of!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 days. Go do something nice for yourself. You deserve it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 days. Just 3 more days, and you will have been smoke free for 2 weeks, and most withdrawal symptoms will dissapear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 days. Aren&apos;t you feeling great?!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 days. Keep it up. 1 more day and you have not smoked for 2 weeks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 weeks!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your circulation is increasing, and it will continue to improve for the next 10 weeks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You gone through the most difficult period! It would be really stupid to start smoking again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations %1. You have not smoked for %2 days!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordLockPanel</name>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is password protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your password :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored password holds characters that no keyboard can type. Correct its first line in %1, then start Clearwind again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password, try again :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalReasonsFile</name>
    <message>
        <source>pictures, drawings or embedded objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tables, whose cells become text between tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>footnotes or comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>headers or footers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hidden text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>content that is neither RTF nor text, perhaps in another format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your personal reasons could not be shown, because %1 could not be read: %2

The file stays as it is. If you write new reasons here, you will be asked before it is replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no free name for a copy of the old file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old file is now %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read, so the personal reasons it holds are not shown here: %2

Replace it with what you wrote? The old file will be kept beside it as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds things that Clearwind cannot show:%2

Saving what you wrote leaves them out of the file. Save anyway? The old file will be kept beside it as %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfessorTab</name>
    <message>
        <source>Hello. I am your professor. I can teach you a lot of things about smoking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What health problems does smoking cause?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoking causes a lot of healthproblems. Click on &apos;Next&apos; to see other healthproblems smoking can cause.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What does smoking do to my appearance?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you smoke , you change your appearance. Click on &apos;Next&apos; to see what else smoking does to your appearance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why do people smoke?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why people smoke?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you have stop-tips?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here are some good tips for people who want to stop smoking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Professor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Professor says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts about smoking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What else would like like to know about smoking?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy does not hold what was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionnairePanel</name>
    <message>
        <source>Welcome. Before we start , I need some information about you and your smoking habbits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is your name ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many cigarettes do you smoke in 1 day?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the name of your local currency ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dollar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>euro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much do you spend on smoking in a day ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For how many years have you smoked ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No, go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelapsePanel</name>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have you smoked ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sad face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am sorry to hear you failed... Try again! With the experience you gained, your next attempt should be more succesful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, reset it now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No, continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your previous attempt could not be kept: %1
Do you want to reset Clearwind anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have smoked , you can reset Clearwind and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program has been reset. Please try again to stop smoking when you are ready. The more you try , the better chances you have of actually stopping!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is still there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reset could not be completed: %1 could not be removed. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Mechanic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanic says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi. Here you can change the program settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect Clearwind with a password </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-run Clearwind when windows starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify password :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export stopdata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.2 2026 www.clearwind.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;noword&quot; cannot be a password, because Clearwind reads it as no password at all. Please choose another password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Clearwind at logon could not be changed. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a password, or at least 1 character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind will start at logon, but the settings could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind will not start at logon, but the settings could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings are saved. Don&apos;t forget your password!!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>Are you ready to stop smoking right now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you click &apos;no&apos; , you can come back any time when you are ready to stop. If you click &apos;yes&apos;, the current time and date will be logged as your stop-date! Make sure your computer date and time is correct!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, I want to stop NOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No, I come back later...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I already stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer date and time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your stop moment could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok. Come back when you are ready to quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good, you already stopped. Just set your computer date back to the day you stopped, then click &apos;yes&apos;, then set your computer date back to the current date.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>You have NOT smoked %1 cigarettes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have NOT wasted %1 minutes on smoking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You saved %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have extended your life by %1 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemPrinter</name>
    <message>
        <source>There is no default printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Show Clearwind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log a craving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Don&apos;t let the nicotine control you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good luck. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopicPanel</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayAnnouncer</name>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoke-free for %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have earned a new star!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserFolder</name>
    <message>
        <source>it is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These could not be copied from %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every file of the earlier installation in %1 could be copied to %2. The earlier copies stay where they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your files from the earlier installation in %1 were copied to %2. The earlier copies stay where they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind cannot keep your files in %1. It runs, but nothing you enter will be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be opened for writing: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 could not be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>journey</name>
    <message>
        <source>%1 could not be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not draw the journey&apos;s charts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 64 MB, too large to be a file of cravings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file of cravings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file of cravings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a meal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other smokers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boredom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waking up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone or screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not said</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cravings could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempt %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempt %1, the current one, since %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempt %1, %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the longest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every attempt, in days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Longest: %n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No attempts yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cravings per day, the last %n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cravings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 passed, mean strength %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n craving(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No cravings logged in the last %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What set them off, every craving logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cravings logged yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Attempts so far: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Longest smoke-free run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This attempt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is your longest run yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to beat your longest run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cravings logged in the last %1 days: %n. %2% passed without a cigarette.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>journey::CravingFile</name>
    <message>
        <source>it has no valid time, strength, trigger or outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is full, and could not be kept as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Counts your smoke-free time and shows what it brings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the dialog to log a craving, in the copy already running if there is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaks LANGUAGE for this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearwind does not speak &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>The pages could not be laid out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error printing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>questionnaire</name>
    <message>
        <source>You did not enter your name. Please enter your name, or at least 1 letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not enter how many cigarettes you some in a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not enter your currency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter how much money you spend on cigarettes each day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter numbers only!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not enter for how many years you have smoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On average you are smoking </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cigarettes a day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You waste </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in a day on cigarettes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have smoked for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is this information correct?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Stopdata for : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not smoked for :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hours.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>savelocation</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>textfiles</name>
    <message>
        <source>it is a link to %1, outside the folder of your files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to %2, outside the folder of your files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ended after %1 of its %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 could not be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Could not find associated Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
